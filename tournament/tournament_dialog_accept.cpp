// The acceptance (OK) of the tournament dialog: its steps in their order.
#include <cstring>
#include <set>

#include "core/database.h"
#include "core/database_transaction.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/record_values.h"
#include "core/state.h"
#include "core/system_record_update.h"
#include "core/text.h"
#include "tournament/field.h"
#include "tournament/formats.h"
#include "tournament/header_options.h"
#include "tournament/tee_times.h"
#include "tournament/tournament_dialog.h"

namespace quillon {

namespace {

// Corrections that let the operation go on are shown this way.
constexpr int correction = message_kind::information;
constexpr int default_group_size = 4;
constexpr int max_golfers_per_tee_time = 5;

int whole_number(const std::string& text) { return parse_int(trimmed(text), 10); }

}  // namespace

Result<int> TournamentDialogModel::holes_of_division1_course() {
  int slot = tee_slot_of(form_.divisions[0].tee);
  Result<CourseRecord> course = telling(state_, load_course(state_, slot < 1 ? 1 : slot));
  if (!course) return course.status();
  return static_cast<int>(course->hole_count);
}

bool TournamentDialogModel::check_date() {
  std::string typed = trimmed(form_.date.text);
  if (parse_date_text(typed, h_)) return true;
  message_box(state_, message_kind::error,
              "The tournament date [%s] is not a valid date.  Type it as YYYY-MM-DD (1980 to 2079) or choose it "
              "with the Date button.",
              typed.c_str());
  return false;
}

bool TournamentDialogModel::check_name() {
  std::string name = trimmed(form_.name.text);
  if (name.empty()) {
    message_box(state_, message_kind::error, "The tournament name cannot be blank.");
    return false;
  }
  if (name.find('&') != std::string::npos) {
    message_box(state_, message_kind::error, "The tournament name cannot include the '&' character.");
    return false;
  }
  return true;
}

bool TournamentDialogModel::check_unique_in_add_mode() {
  if (mode_ != TournamentDialogMode::add) return true;
  std::string name = trimmed(form_.name.text);
  bool unique = true;
  for (int t = 1; unique && t <= state_.tournament_count; ++t) {
    if (t == slot_) continue;
    Result<TournamentHeader> other = telling(state_, load_header(state_, t));
    if (!other) return false;
    unique = !(other->date_year == h_.date_year && other->date_month == h_.date_month &&
               other->date_day == h_.date_day && field_text(other->name) == name);
  }
  if (!unique)
    message_box(state_, message_kind::error,
                "The tournament date/name combination must be unique.  A tournament already exists on the selected "
                "date using the selected name.");
  return unique;
}

void TournamentDialogModel::store_texts_and_divisions() {
  set_field_text_terminated(h_.name, trimmed(form_.name.text));
  set_field_text_terminated(h_.address_line1, form_.address_line1.text);
  set_field_text_terminated(h_.address_line2, form_.address_line2.text);
  set_field_text_terminated(h_.address_line3, form_.address_line3.text);
  set_field_text_terminated(h_.contact, form_.contact.text);
  set_field_text_terminated(h_.telephone, form_.telephone.text);
  set_field_text_terminated(h_.user_stat1_name, form_.user_stat1_name.text);
  set_field_text_terminated(h_.user_stat2_name, form_.user_stat2_name.text);
  h_.division_count = static_cast<std::int8_t>(form_.division_count.index + 1);
  for (int d = 1; d <= 10; ++d) {
    int slot = tee_slot_of(form_.divisions[d - 1].tee);
    if (slot > 0) h_.division_tee[d - 1] = static_cast<std::int16_t>(slot);
  }
}

bool TournamentDialogModel::store_format() {
  set_format(h_, selected_format());
  if (format_of(h_) != Format::net_with_callaway_division) return true;
  h_.callaway_division = static_cast<std::int8_t>(form_.callaway_division.index + 1);
  if (h_.division_count == 1) {
    message_box(state_, message_kind::error,
                "For a 'Net Scores with 1 Callaway Division' tournament, the minimum number of divisions is 2.");
    return false;
  }
  if (h_.callaway_division > h_.division_count) {
    message_box(state_, message_kind::error,
                "The number of divisions is set to %d.  The Callaway division cannnot be division %d.",
                h_.division_count, h_.callaway_division);
    return false;
  }
  return true;
}

void TournamentDialogModel::store_auto_assign() {
  int choice = form_.auto_assign.index;
  if (choice > 0 && format_traits(h_).kind == HandicapKind::computed) {
    message_box(state_, correction,
                "Automatic assignment of divisions cannot be performed for tournament formats in which the golfer's "
                "handicap is computed.\n\nThe \"Auto assign of divisions\" option has been reset to \"No\".");
    form_.auto_assign.index = 0;
    choice = 0;
  }
  header_options::set(h_, header_options::auto_assign, choice > 0);
  h_.auto_assign_by_course_hcap = static_cast<std::int8_t>(choice == 2 ? 1 : 0);
}

void TournamentDialogModel::store_limits_and_allowances() {
  for (int d = 1; d <= 9; ++d)
    h_.division_handicap_limit[d - 1] = static_cast<std::int16_t>(form_.divisions[d - 1].handicap_limit.index);
  bool any_reduced = false;
  for (int d = 1; d <= 10; ++d) {
    int allowance = 50 + 5 * form_.divisions[d - 1].allowance.index;
    h_.division_allowance[d - 1] = static_cast<std::int8_t>(allowance);
    any_reduced = any_reduced || allowance != 100;
  }
  if (any_reduced && !format_traits(h_).allowances) {
    message_box(state_, correction,
                "Handicap Allowances are only permitted for Net Score and Stableford non team tournaments");
    for (int d = 1; d <= 10; ++d) {
      h_.division_allowance[d - 1] = 100;
      form_.divisions[d - 1].allowance.index = 10;
    }
  }
  h_.default_gender = form_.default_gender.index == 1 ? 'F' : 'M';
  h_.start_type = static_cast<std::int8_t>(form_.start_type.index);
}

bool TournamentDialogModel::store_peoria_holes(int holes) {
  const int sets = format_traits(h_).peoria_sets;
  if (sets == 0) return true;
  std::int8_t set1[6], set2[6];
  std::set<int> seen;
  auto read_set = [&](const std::vector<Field*>& typed, std::int8_t(&into)[6]) {
    for (int i = 1; i <= 6; ++i) {
      int hole = parse_int(trimmed(typed[i - 1]->text), 2);
      if (hole < 1 || hole > holes) {
        message_box(state_, message_kind::error, "Peoria holes must be between 1 and %d", holes);
        return false;
      }
      if (!seen.insert(hole).second) {
        message_box(state_, message_kind::error, "Hole %d assigned more than once as a Peoria hole", hole);
        return false;
      }
      into[i - 1] = static_cast<std::int8_t>(hole);
    }
    return true;
  };
  if (!read_set(form_.peoria_holes, set1)) return false;
  if (sets == 2 && !read_set(form_.peoria_holes2, set2)) return false;
  std::memcpy(h_.peoria_holes, set1, 6);
  if (sets == 2) std::memcpy(h_.peoria_holes2, set2, 6);
  return true;
}

bool TournamentDialogModel::store_best_holes(int holes) {
  if (!format_traits(h_).best_holes_choice) return true;
  int count = form_.best_holes_count.index + 1;
  if (count > holes) {
    message_box(state_, message_kind::error,
                "For a BestHoles format tournament, %d Best Holes cannot selected for a 9 hole course.", count);
    return false;
  }
  h_.best_holes_count = static_cast<std::int8_t>(count);
  h_.max_hole_score_index = static_cast<std::int8_t>(form_.max_hole_score.index);
  return true;
}

bool TournamentDialogModel::check_course_size(int holes) {
  const CourseSizes sizes = format_traits(h_).course_sizes;
  if (sizes == CourseSizes::nine_holes && holes != 9) {
    message_box(state_, message_kind::error, "For a Callaway 9 format tournament, a 9 hole course must be selected.");
    return false;
  }
  if (sizes == CourseSizes::eighteen_holes && holes == 9) {
    message_box(state_, message_kind::error, "For a %s format tournament, a 9 hole course cannot be selected.",
                format_name(format_of(h_)));
    return false;
  }
  return true;
}

void TournamentDialogModel::store_times() {
  h_.tee_interval_index = static_cast<std::uint8_t>(form_.tee_interval.index);
  h_.results_limit = static_cast<std::uint16_t>(form_.results_limit.index + 1);
  h_.include_rating_and_par = form_.include_rating_and_par.checked ? 1 : 0;
  auto store = [&](const Field& time, std::int8_t& hour, std::int8_t& minute) {
    int m = time_field_minutes(time);
    hour = static_cast<std::int8_t>(m / 60);
    minute = static_cast<std::int8_t>(m % 60);
  };
  store(form_.first_tee_time, h_.first_tee_hour, h_.first_tee_minute);
  store(form_.last_tee_time, h_.last_tee_hour, h_.last_tee_minute);
  store(form_.blocked_from, h_.blocked_from_hour, h_.blocked_from_minute);
  store(form_.blocked_to, h_.blocked_to_hour, h_.blocked_to_minute);
}

void TournamentDialogModel::store_groups() {
  int old_capacity = original_.group_size * original_.group_count;
  int groups = whole_number(form_.group_count.text);
  int size = whole_number(form_.group_size.text);
  // A size that cannot be read keeps the stored one, or the new-header default when that is damaged too.
  if (size < 1 || size > max_group_size)
    size =
        original_.group_size >= 1 && original_.group_size <= max_group_size ? original_.group_size : default_group_size;
  // The first shotgun's group count is one signed byte.
  int first_shotgun = whole_number(form_.first_shotgun_groups.text);
  h_.first_shotgun_groups =
      static_cast<std::int8_t>(first_shotgun < 0 ? 0 : (first_shotgun > 127 ? 127 : first_shotgun));
  if (size != original_.group_size && size * groups < old_capacity) groups = (old_capacity + size - 1) / size;
  int most = max_group_count(size);
  // Either way fewer groups are stored than were asked for.
  if (groups * size > golfers_per_tournament) {
    not_done_box(state_, correction,
                 "The maximum number of golfers is 800.  Based on %d golfers per group, the maximum number of groups "
                 "is %d.",
                 size, most);
    groups = most;
  } else if (groups > most) {
    not_done_box(state_, correction,
                 "With %d golfer(s) per group a tournament can hold at most %d groups, as the number of groups is "
                 "stored in one byte.  The tournament has %d groups instead of %d.",
                 size, most, most, groups);
    groups = most;
  }
  if (groups < 1) groups = 1;
  h_.group_size = static_cast<std::int8_t>(size);
  h_.group_count = static_cast<std::uint8_t>(groups);
  form_.group_count.text = std::to_string(groups);
  form_.group_size.text = std::to_string(size);
}

bool TournamentDialogModel::check_groups_per_tee_time() {
  int per_time = whole_number(form_.groups_per_tee_time.text);
  if (per_time < 1) per_time = 1;
  if (per_time * h_.group_size > max_golfers_per_tee_time) {
    int most = max_golfers_per_tee_time / h_.group_size;
    message_box(state_, message_kind::error,
                "With a group/team size of %d, the maximum number of groups per tee time is %d.", h_.group_size, most);
    form_.groups_per_tee_time.text = std::to_string(most);
    return false;
  }
  h_.groups_per_tee_time = static_cast<std::int8_t>(per_time);
  return true;
}

void TournamentDialogModel::store_best_balls() {
  if (format_traits(h_).best_balls_choice) {
    int count = form_.best_balls.index + 1;
    if (count > h_.group_size) {
      message_box(state_, correction,
                  "The number of 'Best Balls' used cannot be greater than the number of golfers in the group.");
      count = h_.group_size;
      form_.best_balls.index = count - 1;
    }
    header_options::set_best_balls(h_, count);
  } else if (format_of(h_) == Format::best_two_gross_net) {
    header_options::set_best_balls(h_, 2);
  }
  if (format_of(h_) == Format::system36)
    header_options::set(h_, header_options::use_entered_handicap, form_.use_entered_handicap.checked);
}

bool TournamentDialogModel::keep_groups_holding_golfers() {
  if (mode_ != TournamentDialogMode::change) return true;
  int old_capacity = original_.group_size * original_.group_count;
  int new_capacity = h_.group_size * h_.group_count;
  // Fewer groups, or a smaller group size capped by the most groups there can
  // be: either way the golfer slots from new_capacity on would drop out.
  if (new_capacity >= old_capacity) return true;
  // The stored groups are laid out by the old group size.
  state_.header = original_;
  state_.current_tournament = slot_;
  bool holds_golfer = false;
  for (int g = 1; !holds_golfer && g <= original_.group_count; ++g) {
    if (!read_record(state_, RecordKind::group, g)) return false;
    for (int i = 0; i < original_.group_size; ++i) {
      int entry = (g - 1) * original_.group_size + i;
      if (entry >= new_capacity && state_.group.entries[i].name[0] != 0) holds_golfer = true;
    }
  }
  if (!holds_golfer) return true;
  message_box(state_, correction,
              "You are attempting to remove groups which contain golfers.  The number of groups has not been "
              "changed.");
  int needed = (old_capacity + h_.group_size - 1) / h_.group_size;
  if (needed > max_group_count(h_.group_size)) {
    // The new group size cannot hold the field: the groups stay as they were.
    h_.group_size = original_.group_size;
    h_.groups_per_tee_time = original_.groups_per_tee_time;
    needed = original_.group_count;
  }
  h_.group_count = static_cast<std::uint8_t>(needed > original_.group_count ? needed : original_.group_count);
  if (h_.group_count > max_group_count(h_.group_size)) h_.group_count = original_.group_count;
  return true;
}

void TournamentDialogModel::reassign_divisions() {
  if (mode_ != TournamentDialogMode::change || !header_options::has(h_, header_options::auto_assign)) return;
  DatabaseTransaction change(state_);
  for (int g = 1; g <= h_.group_count; ++g) {
    if (!read_record(state_, RecordKind::group, g)) return;  // told; the groups are as they were
    GroupBuffer group = state_.group;
    for (int i = 0; i < h_.group_size; ++i) {
      GolferEntry& e = group.entries[i];
      if (e.name[0] == 0) continue;
      int tee = tee_of_division(state_, e.division);
      Result<int> division = assign_division(state_, e.handicap_index, tee, entry_gender(state_, e.gender));
      if (!division) return;  // told; the groups are as they were
      e.division = static_cast<std::int8_t>(*division);
    }
    state_.group = group;
    if (!write_record(state_, RecordKind::group, g)) return;
  }
  (void)change.commit();  // a failure has been told; the groups are as they were
}

bool TournamentDialogModel::accept() {
  if (!check_date() || !check_name() || !check_unique_in_add_mode()) return false;
  store_texts_and_divisions();
  if (!store_format()) return false;
  header_options::set_tie_break(h_, form_.tie_break.index);
  store_auto_assign();
  store_limits_and_allowances();
  Result<int> division1_holes = holes_of_division1_course();
  if (!division1_holes) return false;
  const int holes = *division1_holes;
  if (!store_peoria_holes(holes) || !store_best_holes(holes) || !check_course_size(holes)) return false;
  store_times();
  store_groups();
  if (!check_groups_per_tee_time()) return false;
  store_best_balls();
  if (!keep_groups_holding_golfers()) return false;
  refresh_last_tee_time(h_);
  set_time_field(form_.last_tee_time, h_.last_tee_hour, h_.last_tee_minute, false);

  // Every rule has passed: only now is the sequence counter used up.
  if (mode_ == TournamentDialogMode::add) {
    // Taken from the stored record under the lock: two openers adding at
    // once must not hand out the same number.
    Status counted = update_system_record(state_, [this](SystemRecord& s) {
      h_.sequence_number = s.next_tournament_id;
      ++s.next_tournament_id;
    });
    if (!counted) return false;
  }
  state_.header = h_;
  state_.current_tournament = slot_;
  reassign_divisions();
  state_.header = h_;
  state_.current_tournament = slot_;
  return true;
}

}  // namespace quillon
