#include "tournament/tournament_dialog.h"

#include <cstdio>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/records/header_values.h"
#include "core/select_date.h"
#include "core/state.h"
#include "core/text.h"
#include "handicap/callaway_settings.h"
#include "handicap/stableford_settings.h"
#include "tournament/course_choices.h"
#include "tournament/formats.h"
#include "tournament/header_defaults.h"
#include "tournament/header_options.h"
#include "tournament/notepad.h"
#include "tournament/shotgun_holes.h"
#include "tournament/tee_times.h"

namespace quillon {

namespace {

constexpr const char* peoria_row = "peoria";

std::string date_text(const TournamentHeader& h) {
  return format_text(16, "%04d-%02d-%02d", 1900 + static_cast<std::uint8_t>(h.date_year), h.date_month, h.date_day);
}

// The formats the dialog offers; a hidden format stays listed for a header that has it.
std::vector<Format> formats_offered_for(const TournamentHeader& h) {
  std::vector<Format> formats = offered_formats();
  if (format_traits(h).hidden) formats.push_back(format_of(h));
  return formats;
}

Field in_group(Field field, std::string group) {
  field.group = std::move(group);
  return field;
}

bool is_one_of(const Field& field, const std::vector<Field*>& fields) {
  for (const Field* f : fields)
    if (f == &field) return true;
  return false;
}

}  // namespace

// "YYYY-MM-DD" to the header's three date bytes; false when it is no date.
bool parse_date_text(const std::string& text, TournamentHeader& h) {
  int y = 0, m = 0, d = 0;
  if (std::sscanf(text.c_str(), "%d-%d-%d", &y, &m, &d) != 3) return false;
  if (y < 1980 || y > 2079 || m < 1 || m > 12 || d < 1 || d > days_in_month(y, m)) return false;
  h.date_year = static_cast<std::int8_t>(y - 1900);
  h.date_month = static_cast<std::int8_t>(m);
  h.date_day = static_cast<std::int8_t>(d);
  return true;
}

std::string division_field(const char* base, int division) {
  return std::string(base) + "." + std::to_string(division);
}

TournamentDialogModel::TournamentDialogModel(State& state, const TournamentHeader& header, TournamentDialogMode mode,
                                             int slot)
    : state_(state),
      h_(header),
      original_(header),
      mode_(mode),
      slot_(slot),
      tees_(course_tee_choices(state)),
      formats_(formats_offered_for(header)),
      form_(build_fields()) {
  title_ = "Tournament Detail Information";
  help_topic_ = Help::tournaments;
  load_fields();
}

TournamentForm TournamentDialogModel::build_fields() {
  std::vector<std::string> tee_lines, course_names;
  for (const auto& c : tees_) {
    tee_lines.push_back(c.text);
    std::string course = trimmed(c.text.substr(0, 25));
    bool known = false;
    for (const auto& n : course_names) known = known || n == course;
    if (!known) course_names.push_back(course);
  }
  std::vector<std::string> format_names;
  for (Format f : formats_) format_names.push_back(format_name(f));
  std::vector<std::string> tie_breaks, start_types;
  for (int i = 0; i < tie_break_count; ++i) tie_breaks.push_back(tie_break_name(i));
  for (int i = 0; i < start_type_count; ++i) start_types.push_back(start_type_name(i));

  auto division_rows = [&] {
    std::vector<TournamentForm::DivisionRow> rows;
    for (int d = 1; d <= 10; ++d) {
      std::string row = "division." + std::to_string(d);
      Field& tee = add(in_group(
          Field::list_field(division_field("division_tee", d), format_text(16, "Division %d", d), tee_lines), row));
      Field& allowance =
          add(in_group(Field::list_field(division_field("division_allowance", d), "HC Allow", allowance_list()), row));
      Field& limit = add(in_group(Field::list_field(division_field("division_handicap_limit", d), "HC Limit",
                                                    d == 10 ? std::vector<std::string>{"50.0"} : handicap_limit_list()),
                                  row));
      rows.push_back({tee, allowance, limit});
    }
    return rows;
  };
  auto peoria_set = [&](const char* base) {
    std::vector<Field*> holes;
    for (int i = 1; i <= 6; ++i)
      holes.push_back(&add(in_group(Field::text_field(division_field(base, i), "", 2), peoria_row)));
    return holes;
  };

  // Braced initialisers run in order: the fields are added as listed.
  return TournamentForm{
      .date = add(Field::text_field("date", "Date", 10)),
      .choose_date = add(Field::button_field("choose_date", "Date")),
      .name = add(Field::text_field("name", "Name", 35)),
      .address_line1 = add(Field::text_field("address_line1", "Address", 25)),
      .address_line2 = add(Field::text_field("address_line2", "", 25)),
      .address_line3 = add(Field::text_field("address_line3", "", 25)),
      .contact = add(Field::text_field("contact", "Contact", 25)),
      .telephone = add(Field::text_field("telephone", "Tel", 12)),
      .course = add(Field::list_field("course", "Course", course_names)),
      .format = add(Field::list_field("format", "Format", format_names)),
      .tie_break = add(Field::list_field("tie_break", "Tie Break", tie_breaks)),
      .auto_assign = add(Field::list_field("auto_assign", "Auto assign of divisions", auto_assign_list())),
      .division_count = add(Field::list_field("division_count", "# of Divisions", number_list(1, 10, "%2d"))),
      .callaway_division = add(Field::list_field("callaway_division", "Callaway Division", number_list(1, 10, "%2d"))),
      .divisions = division_rows(),
      .default_gender = add(Field::list_field("default_gender", "Default Gender", gender_list())),
      .start_type = add(Field::list_field("start_type", "Start", start_types)),
      .tee_interval = add(Field::list_field("tee_interval", "Interval", tee_interval_list())),
      .results_limit = add(Field::list_field("results_limit", "Gross and Net Limit", results_limit_list())),
      .include_rating_and_par = add(
          Field::check_field("include_rating_and_par", "Include Course Rating and Par in Course Handicap calculation")),
      .first_tee_time = add(Field::list_field("first_tee_time", "Tee Times", time_of_day_list(false))),
      .last_tee_time = add(Field::list_field("last_tee_time", "To", time_of_day_list(false))),
      .blocked_from = add(Field::list_field("blocked_from", "Blocked Times", time_of_day_list(true))),
      .blocked_to = add(Field::list_field("blocked_to", "To", time_of_day_list(true))),
      .group_count = add(Field::text_field("group_count", "# of Groups", 3)),
      .group_size = add(Field::text_field("group_size", "Golfers per Group", 1)),
      .groups_per_tee_time = add(Field::text_field("groups_per_tee_time", "Groups per Tee Time", 1)),
      .first_shotgun_groups = add(Field::text_field("first_shotgun_groups", "Groups in 1st shotgun", 3)),
      .peoria_label = add(Field::label_field("peoria_label", "Peoria Holes")),
      .peoria_holes = peoria_set("peoria_hole"),
      .peoria_holes2 = peoria_set("peoria_hole2"),
      .use_entered_handicap = add(Field::check_field("use_entered_handicap", "Use entered handicap if lower")),
      .best_holes_count = add(Field::list_field("best_holes_count", "Holes and Max", best_count_list(18))),
      .max_hole_score = add(Field::list_field("max_hole_score", "Maximum Score Per Hole", max_hole_score_list())),
      .best_balls = add(Field::list_field("best_balls", "Number of Balls", best_count_list(5))),
      .user_stat1_name = add(Field::text_field("user_stat1_name", "U1", 15)),
      .user_stat2_name = add(Field::text_field("user_stat2_name", "U2", 15)),
      .notepad = add(Field::button_field("notepad", "NotePad")),
      .callaway_configuration = add(Field::button_field("callaway_configuration", "Callaway Configuration")),
      .stableford_configuration = add(Field::button_field("stableford_configuration", "Stableford Configuration")),
      .shotgun_holes = add(Field::button_field("shotgun_holes", "Shotgun Holes")),
  };
}

void TournamentDialogModel::set_time_field(Field& time, int hour, int minute, bool has_none) {
  int minutes = hour * 60 + minute;
  if (minutes < 0 || minutes >= 24 * 60) minutes = 0;
  if (has_none) time.index = (hour == 0 && minute == 0) ? 0 : minutes + 1;
  else time.index = minutes;
}

int TournamentDialogModel::time_field_minutes(const Field& time) {
  if (time.index < 0) return 0;
  bool has_none = !time.options.empty() && time.options[0] == "none";
  if (has_none) return time.index == 0 ? 0 : time.index - 1;
  return time.index;
}

void TournamentDialogModel::load_fields() {
  form_.date.text = date_text(h_);
  form_.name.text = field_text(h_.name);
  form_.address_line1.text = field_text(h_.address_line1);
  form_.address_line2.text = field_text(h_.address_line2);
  form_.address_line3.text = field_text(h_.address_line3);
  form_.contact.text = field_text(h_.contact);
  form_.telephone.text = field_text(h_.telephone);
  form_.user_stat1_name.text = field_text(h_.user_stat1_name);
  form_.user_stat2_name.text = field_text(h_.user_stat2_name);

  for (std::size_t i = 0; i < formats_.size(); ++i)
    if (formats_[i] == format_of(h_)) form_.format.index = static_cast<int>(i);
  form_.tie_break.index = header_options::tie_break(h_);
  form_.auto_assign.index =
      header_options::has(h_, header_options::auto_assign) ? (h_.auto_assign_by_course_hcap == 1 ? 2 : 1) : 0;
  form_.division_count.index = h_.division_count >= 1 && h_.division_count <= 10 ? h_.division_count - 1 : 0;
  form_.callaway_division.index =
      h_.callaway_division >= 1 && h_.callaway_division <= 10 ? h_.callaway_division - 1 : 0;
  for (int d = 1; d <= 10; ++d) {
    int tee = h_.division_tee[d - 1];
    const TournamentForm::DivisionRow& row = form_.divisions[d - 1];
    Field& tee_field = row.tee;
    tee_field.index = tees_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < tees_.size(); ++i)
      if (tees_[i].id == tee) tee_field.index = static_cast<int>(i);
    int allowance = h_.division_allowance[d - 1];
    row.allowance.index = allowance >= 50 && allowance <= 100 ? (allowance - 50) / 5 : 10;
    if (d <= 9) {
      int limit = h_.division_handicap_limit[d - 1];
      row.handicap_limit.index = limit >= 0 && limit <= 500 ? limit : 500;
    }
  }
  if (!tees_.empty()) {
    int first = form_.divisions[0].tee.index;
    std::string course = trimmed(tees_[first].text.substr(0, 25));
    Field& course_field = form_.course;
    for (std::size_t i = 0; i < course_field.options.size(); ++i)
      if (course_field.options[i] == course) course_field.index = static_cast<int>(i);
  }
  form_.default_gender.index = h_.default_gender == 'F' ? 1 : 0;
  form_.start_type.index = h_.start_type >= 0 && h_.start_type < start_type_count ? h_.start_type : 0;
  form_.tee_interval.index = h_.tee_interval_index < tee_interval_count ? h_.tee_interval_index : 0;
  form_.results_limit.index = results_limit_of(h_) - 1;
  form_.include_rating_and_par.checked = h_.include_rating_and_par == 1;
  set_time_field(form_.first_tee_time, h_.first_tee_hour, h_.first_tee_minute, false);
  set_time_field(form_.last_tee_time, h_.last_tee_hour, h_.last_tee_minute, false);
  set_time_field(form_.blocked_from, h_.blocked_from_hour, h_.blocked_from_minute, true);
  set_time_field(form_.blocked_to, h_.blocked_to_hour, h_.blocked_to_minute, true);
  form_.group_count.text = std::to_string(h_.group_count == 0 ? 1 : h_.group_count);
  form_.group_size.text = std::to_string(h_.group_size);
  form_.groups_per_tee_time.text = std::to_string(h_.groups_per_tee_time);
  form_.first_shotgun_groups.text = std::to_string(h_.first_shotgun_groups);
  for (int i = 1; i <= 6; ++i) {
    form_.peoria_holes[i - 1]->text = std::to_string(h_.peoria_holes[i - 1]);
    form_.peoria_holes2[i - 1]->text = std::to_string(h_.peoria_holes2[i - 1]);
  }
  form_.use_entered_handicap.checked = header_options::has(h_, header_options::use_entered_handicap);
  form_.best_holes_count.index = h_.best_holes_count >= 1 && h_.best_holes_count <= 18 ? h_.best_holes_count - 1 : 17;
  form_.max_hole_score.index =
      h_.max_hole_score_index >= 0 && h_.max_hole_score_index <= 5 ? h_.max_hole_score_index : 0;
  int balls = header_options::best_balls(h_);
  form_.best_balls.index = balls >= 1 && balls <= 5 ? balls - 1 : 0;
  show_format_controls();
  show_start_type_controls();
  show_division_rows();
  // The field may have grown since the "To" time was stored.
  recompute_last_tee_time();
}

Format TournamentDialogModel::selected_format() const {
  int i = form_.format.index;
  return i >= 0 && i < static_cast<int>(formats_.size()) ? formats_[i] : format_of(h_);
}

void TournamentDialogModel::show_format_controls() {
  const Format f = selected_format();
  const FormatTraits& traits = format_traits(f);
  bool peoria = traits.peoria_sets >= 1;
  form_.peoria_label.text = peoria ? "Peoria Holes" : "Exclude Holes";
  form_.peoria_label.visible = peoria;
  for (int i = 1; i <= 6; ++i) {
    form_.peoria_holes[i - 1]->visible = peoria;
    form_.peoria_holes2[i - 1]->visible = traits.peoria_sets == 2;
  }
  form_.callaway_configuration.visible = traits.callaway_configuration;
  form_.stableford_configuration.visible = f == Format::stableford_custom;
  form_.use_entered_handicap.visible = f == Format::system36;
  form_.best_holes_count.visible = traits.best_holes_choice;
  form_.max_hole_score.visible = traits.best_holes_choice;
  form_.best_balls.visible = traits.best_balls_choice;
  form_.callaway_division.visible = f == Format::net_with_callaway_division;
}

void TournamentDialogModel::show_start_type_controls() {
  int start = form_.start_type.index;
  bool double_shotgun = start == static_cast<int>(StartType::double_shotgun);
  form_.first_shotgun_groups.visible = double_shotgun;
  form_.last_tee_time.label = double_shotgun ? "and" : "To";
  form_.shotgun_holes.visible = start == static_cast<int>(StartType::shotgun) || double_shotgun;
}

// Only the divisions in use show their tee, allowance and limit.
void TournamentDialogModel::show_division_rows() {
  const int count = form_.division_count.index + 1;
  for (int d = 1; d <= 10; ++d) {
    const TournamentForm::DivisionRow& row = form_.divisions[d - 1];
    for (Field* f : {&row.tee, &row.allowance, &row.handicap_limit}) f->visible = d <= count;
  }
}

void TournamentDialogModel::recompute_last_tee_time() {
  TeePlan plan;
  plan.start_type = form_.start_type.index;
  plan.groups = parse_int(form_.group_count.text, 10);
  bool digits = !trimmed(form_.group_count.text).empty();
  for (char c : trimmed(form_.group_count.text)) digits = digits && c >= '0' && c <= '9';
  if (!digits) plan.groups = 0;
  int first = time_field_minutes(form_.first_tee_time);
  plan.first = {first / 60, first % 60};
  plan.interval_index = form_.tee_interval.index;
  int from = time_field_minutes(form_.blocked_from);
  int to = time_field_minutes(form_.blocked_to);
  plan.blocked_from = {from / 60, from % 60};
  plan.blocked_to = {to / 60, to % 60};
  int second = time_field_minutes(form_.last_tee_time);
  plan.second_shotgun = {second / 60, second % 60};
  if (auto last = last_tee_time(plan)) set_time_field(form_.last_tee_time, last->hour, last->minute, false);
}

void TournamentDialogModel::on_group_size_typed(Field& f) {
  std::string typed = trimmed(f.text);
  int size = typed.size() == 1 && typed[0] >= '0' && typed[0] <= '9' ? typed[0] - '0' : 0;
  std::string refusal = group_size_refusal(selected_format(), size);
  if (refusal.empty()) return;
  show_message_text(state_, message_kind::error, refusal);
  bool out_of_range = size < 1 || size > 5;
  f.text = std::to_string(out_of_range ? h_.group_size : 4);
}

void TournamentDialogModel::on_format_chosen() {
  const Format f = selected_format();
  if (const auto& settings = format_traits(f).callaway_on_choice) {
    h_.callaway_max_handicap = static_cast<std::int8_t>(settings->max_handicap);
    h_.callaway_table_base = static_cast<std::int8_t>(settings->table_base);
  }
  if (f == Format::net_with_callaway_division) {
    if (form_.division_count.index == 0) form_.division_count.index = 1;
    form_.callaway_division.index = form_.division_count.index;
  }
  show_format_controls();
  show_division_rows();
}

void TournamentDialogModel::on_course_chosen() {
  std::string course = field_value_text(form_.course);
  for (std::size_t i = 0; i < tees_.size(); ++i) {
    if (trimmed(tees_[i].text.substr(0, 25)) != course) continue;
    for (const TournamentForm::DivisionRow& row : form_.divisions) row.tee.index = static_cast<int>(i);
    set_shotgun_defaults(h_, state_, tees_[i].id);
    return;
  }
}

void TournamentDialogModel::on_changed(Field& f) {
  if (&f == &form_.date) {
    // A date still being typed is left as it stands; OK refuses one that is no date.
    parse_date_text(f.text, h_);
  } else if (&f == &form_.group_size) {
    on_group_size_typed(f);
  } else if (&f == &form_.format) {
    on_format_chosen();
  } else if (&f == &form_.course) {
    on_course_chosen();
  } else if (&f == &form_.start_type) {
    bool shotgun =
        f.index == static_cast<int>(StartType::shotgun) || f.index == static_cast<int>(StartType::double_shotgun);
    int interval = state_.system.tee_time_interval;
    form_.tee_interval.index = shotgun ? 0 : (interval >= 0 && interval < tee_interval_count ? interval : 0);
    if (f.index == static_cast<int>(StartType::double_shotgun))
      form_.first_shotgun_groups.text = form_.group_count.text;
    show_start_type_controls();
    recompute_last_tee_time();
  } else if (&f == &form_.division_count) {
    show_division_rows();
  } else if (&f == &form_.group_count || &f == &form_.first_tee_time || &f == &form_.tee_interval) {
    recompute_last_tee_time();
  } else if (&f == &form_.blocked_from) {
    form_.blocked_to.index = f.index;
  } else if (&f == &form_.blocked_to) {
    if (time_field_minutes(form_.blocked_to) < time_field_minutes(form_.blocked_from))
      form_.blocked_to.index = form_.blocked_from.index;
  } else if (is_division_allowance(f)) {
    if (f.index != 10 && !format_traits(selected_format()).allowances) {
      message_box(state_, message_kind::information,
                  "Handicap Allowances are only permitted for Net Score and Stableford non team tournaments");
      f.index = 10;
    }
  } else if (is_one_of(f, form_.peoria_holes) || is_one_of(f, form_.peoria_holes2)) {
    int hole = parse_int(f.text, 2);
    if (!trimmed(f.text).empty() && (hole < 1 || hole > 18))
      message_box(state_, message_kind::error, "Invalid Peoria hole selected");
  }
}

void TournamentDialogModel::choose_date() {
  state_.last_chosen_date = Date{static_cast<std::uint8_t>(h_.date_year), h_.date_month, h_.date_day};
  if (auto d = select_date(state_, true)) {
    h_.date_year = static_cast<std::int8_t>(years_since_1900(d->year));
    h_.date_month = static_cast<std::int8_t>(d->month);
    h_.date_day = static_cast<std::int8_t>(d->day);
    form_.date.text = date_text(h_);
  }
}

void TournamentDialogModel::open_notepad() {
  std::string name = trimmed(form_.name.text);
  NotepadModel notepad(state_, name, field_text(h_.notes));
  if (!state_.ui.run_dialog(notepad)) return;
  set_field_text_terminated(h_.notes, notepad.notes());
  // A stored tournament keeps its notes at once; a new one with the rest on OK.
  if (mode_ != TournamentDialogMode::change) return;
  // Notes that could not be written (the user has been told) stay in the
  // window's header and are written with it on OK.
  [[maybe_unused]] const bool written_now = save_notes(state_, slot_, notepad.notes());
}

void TournamentDialogModel::open_shotgun_holes() {
  ShotgunHolesModel shotgun(state_, h_, tee_slot_of(form_.divisions[0].tee));
  if (state_.ui.run_dialog(shotgun)) shotgun.store(h_);
}

void TournamentDialogModel::open_callaway_configuration() {
  // The settings dialog works on the header buffer: lend it the edited header.
  TournamentHeader saved = state_.header;
  state_.header = h_;
  set_format(state_.header, selected_format());
  if (configure_callaway(state_)) {
    h_.callaway_table_base = state_.header.callaway_table_base;
    h_.callaway_max_handicap = state_.header.callaway_max_handicap;
    h_.peoria_holes[0] = state_.header.peoria_holes[0];
    h_.peoria_holes[1] = state_.header.peoria_holes[1];
  }
  state_.header = saved;
}

void TournamentDialogModel::on_pressed(Field& f) {
  if (&f == &form_.callaway_configuration) open_callaway_configuration();
  else if (&f == &form_.stableford_configuration) custom_stableford_configuration(state_);
  else if (&f == &form_.choose_date) choose_date();
  else if (&f == &form_.notepad) open_notepad();
  else if (&f == &form_.shotgun_holes) open_shotgun_holes();
}

int TournamentDialogModel::tee_slot_of(const Field& tee) const {
  if (tee.index < 0 || tee.index >= static_cast<int>(tees_.size())) return 0;
  return tees_[tee.index].id;
}

bool TournamentDialogModel::is_division_allowance(const Field& f) const {
  for (const TournamentForm::DivisionRow& row : form_.divisions)
    if (&f == &row.allowance) return true;
  return false;
}

}  // namespace quillon
