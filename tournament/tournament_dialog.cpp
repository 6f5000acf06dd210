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
    : state_(state), h_(header), original_(header), mode_(mode), slot_(slot) {
  title_ = "Tournament Detail Information";
  help_topic_ = Help::tournaments;
  tees_ = course_tee_choices(state_);
  formats_ = offered_formats();
  if (format_traits(h_).hidden) formats_.push_back(format_of(h_));
  build_fields();
  load_fields();
}

void TournamentDialogModel::build_fields() {
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

  add(Field::text_field("date", "Date", 10));
  add(Field::button_field("choose_date", "Date"));
  add(Field::text_field("name", "Name", 35));
  add(Field::text_field("address_line1", "Address", 25));
  add(Field::text_field("address_line2", "", 25));
  add(Field::text_field("address_line3", "", 25));
  add(Field::text_field("contact", "Contact", 25));
  add(Field::text_field("telephone", "Tel", 12));
  add(Field::list_field("course", "Course", course_names));
  add(Field::list_field("format", "Format", format_names));
  add(Field::list_field("tie_break", "Tie Break", tie_breaks));
  add(Field::list_field("auto_assign", "Auto assign of divisions", auto_assign_list()));
  add(Field::list_field("division_count", "# of Divisions", number_list(1, 10, "%2d")));
  add(Field::list_field("callaway_division", "Callaway Division", number_list(1, 10, "%2d")));
  for (int d = 1; d <= 10; ++d) {
    std::string row = "division." + std::to_string(d);
    add(Field::list_field(division_field("division_tee", d), format_text(16, "Division %d", d), tee_lines)).group = row;
    add(Field::list_field(division_field("division_allowance", d), "HC Allow", allowance_list())).group = row;
    add(Field::list_field(division_field("division_handicap_limit", d), "HC Limit",
                          d == 10 ? std::vector<std::string>{"50.0"} : handicap_limit_list()))
        .group = row;
  }
  add(Field::list_field("default_gender", "Default Gender", gender_list()));
  add(Field::list_field("start_type", "Start", start_types));
  add(Field::list_field("tee_interval", "Interval", tee_interval_list()));
  add(Field::list_field("results_limit", "Gross and Net Limit", results_limit_list()));
  add(Field::check_field("include_rating_and_par", "Include Course Rating and Par in Course Handicap calculation"));
  add(Field::list_field("first_tee_time", "Tee Times", time_of_day_list(false)));
  add(Field::list_field("last_tee_time", "To", time_of_day_list(false)));
  add(Field::list_field("blocked_from", "Blocked Times", time_of_day_list(true)));
  add(Field::list_field("blocked_to", "To", time_of_day_list(true)));
  add(Field::text_field("group_count", "# of Groups", 3));
  add(Field::text_field("group_size", "Golfers per Group", 1));
  add(Field::text_field("groups_per_tee_time", "Groups per Tee Time", 1));
  add(Field::text_field("first_shotgun_groups", "Groups in 1st shotgun", 3));
  add(Field::label_field("peoria_label", "Peoria Holes"));
  for (int i = 1; i <= 6; ++i) add(Field::text_field(division_field("peoria_hole", i), "", 2)).group = peoria_row;
  for (int i = 1; i <= 6; ++i) add(Field::text_field(division_field("peoria_hole2", i), "", 2)).group = peoria_row;
  add(Field::check_field("use_entered_handicap", "Use entered handicap if lower"));
  add(Field::list_field("best_holes_count", "Holes and Max", best_count_list(18)));
  add(Field::list_field("max_hole_score", "Maximum Score Per Hole", max_hole_score_list()));
  add(Field::list_field("best_balls", "Number of Balls", best_count_list(5)));
  add(Field::text_field("user_stat1_name", "U1", 15));
  add(Field::text_field("user_stat2_name", "U2", 15));
  add(Field::button_field("notepad", "NotePad"));
  add(Field::button_field("callaway_configuration", "Callaway Configuration"));
  add(Field::button_field("stableford_configuration", "Stableford Configuration"));
  add(Field::button_field("shotgun_holes", "Shotgun Holes"));
}

void TournamentDialogModel::set_time_field(const std::string& name, int hour, int minute, bool has_none) {
  int minutes = hour * 60 + minute;
  if (minutes < 0 || minutes >= 24 * 60) minutes = 0;
  if (has_none) field(name).index = (hour == 0 && minute == 0) ? 0 : minutes + 1;
  else field(name).index = minutes;
}

int TournamentDialogModel::time_field_minutes(const std::string& name) const {
  const Field* f = find(name);
  if (!f || f->index < 0) return 0;
  bool has_none = !f->options.empty() && f->options[0] == "none";
  if (has_none) return f->index == 0 ? 0 : f->index - 1;
  return f->index;
}

void TournamentDialogModel::load_fields() {
  field("date").text = date_text(h_);
  field("name").text = field_text(h_.name);
  field("address_line1").text = field_text(h_.address_line1);
  field("address_line2").text = field_text(h_.address_line2);
  field("address_line3").text = field_text(h_.address_line3);
  field("contact").text = field_text(h_.contact);
  field("telephone").text = field_text(h_.telephone);
  field("user_stat1_name").text = field_text(h_.user_stat1_name);
  field("user_stat2_name").text = field_text(h_.user_stat2_name);

  for (std::size_t i = 0; i < formats_.size(); ++i)
    if (formats_[i] == format_of(h_)) field("format").index = static_cast<int>(i);
  field("tie_break").index = header_options::tie_break(h_);
  field("auto_assign").index =
      header_options::has(h_, header_options::auto_assign) ? (h_.auto_assign_by_course_hcap == 1 ? 2 : 1) : 0;
  field("division_count").index = h_.division_count >= 1 && h_.division_count <= 10 ? h_.division_count - 1 : 0;
  field("callaway_division").index =
      h_.callaway_division >= 1 && h_.callaway_division <= 10 ? h_.callaway_division - 1 : 0;
  for (int d = 1; d <= 10; ++d) {
    int tee = h_.division_tee[d - 1];
    Field& tee_field = field(division_field("division_tee", d));
    tee_field.index = tees_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < tees_.size(); ++i)
      if (tees_[i].id == tee) tee_field.index = static_cast<int>(i);
    int allowance = h_.division_allowance[d - 1];
    field(division_field("division_allowance", d)).index =
        allowance >= 50 && allowance <= 100 ? (allowance - 50) / 5 : 10;
    if (d <= 9) {
      int limit = h_.division_handicap_limit[d - 1];
      field(division_field("division_handicap_limit", d)).index = limit >= 0 && limit <= 500 ? limit : 500;
    }
  }
  if (!tees_.empty()) {
    int first = field(division_field("division_tee", 1)).index;
    std::string course = trimmed(tees_[first].text.substr(0, 25));
    Field& course_field = field("course");
    for (std::size_t i = 0; i < course_field.options.size(); ++i)
      if (course_field.options[i] == course) course_field.index = static_cast<int>(i);
  }
  field("default_gender").index = h_.default_gender == 'F' ? 1 : 0;
  field("start_type").index = h_.start_type >= 0 && h_.start_type < start_type_count ? h_.start_type : 0;
  field("tee_interval").index = h_.tee_interval_index < tee_interval_count ? h_.tee_interval_index : 0;
  field("results_limit").index = results_limit_of(h_) - 1;
  field("include_rating_and_par").checked = h_.include_rating_and_par == 1;
  set_time_field("first_tee_time", h_.first_tee_hour, h_.first_tee_minute, false);
  set_time_field("last_tee_time", h_.last_tee_hour, h_.last_tee_minute, false);
  set_time_field("blocked_from", h_.blocked_from_hour, h_.blocked_from_minute, true);
  set_time_field("blocked_to", h_.blocked_to_hour, h_.blocked_to_minute, true);
  field("group_count").text = std::to_string(h_.group_count == 0 ? 1 : h_.group_count);
  field("group_size").text = std::to_string(h_.group_size);
  field("groups_per_tee_time").text = std::to_string(h_.groups_per_tee_time);
  field("first_shotgun_groups").text = std::to_string(h_.first_shotgun_groups);
  for (int i = 1; i <= 6; ++i) {
    field(division_field("peoria_hole", i)).text = std::to_string(h_.peoria_holes[i - 1]);
    field(division_field("peoria_hole2", i)).text = std::to_string(h_.peoria_holes2[i - 1]);
  }
  field("use_entered_handicap").checked = header_options::has(h_, header_options::use_entered_handicap);
  field("best_holes_count").index =
      h_.best_holes_count >= 1 && h_.best_holes_count <= 18 ? h_.best_holes_count - 1 : 17;
  field("max_hole_score").index =
      h_.max_hole_score_index >= 0 && h_.max_hole_score_index <= 5 ? h_.max_hole_score_index : 0;
  int balls = header_options::best_balls(h_);
  field("best_balls").index = balls >= 1 && balls <= 5 ? balls - 1 : 0;
  show_format_controls();
  show_start_type_controls();
  show_division_rows();
  // The field may have grown since the "To" time was stored.
  recompute_last_tee_time();
}

Format TournamentDialogModel::selected_format() const {
  int i = index("format");
  return i >= 0 && i < static_cast<int>(formats_.size()) ? formats_[i] : format_of(h_);
}

void TournamentDialogModel::show_format_controls() {
  const Format f = selected_format();
  const FormatTraits& traits = format_traits(f);
  bool peoria = traits.peoria_sets >= 1;
  field("peoria_label").text = peoria ? "Peoria Holes" : "Exclude Holes";
  field("peoria_label").visible = peoria;
  for (int i = 1; i <= 6; ++i) {
    field(division_field("peoria_hole", i)).visible = peoria;
    field(division_field("peoria_hole2", i)).visible = traits.peoria_sets == 2;
  }
  field("callaway_configuration").visible = traits.callaway_configuration;
  field("stableford_configuration").visible = f == Format::stableford_custom;
  field("use_entered_handicap").visible = f == Format::system36;
  field("best_holes_count").visible = traits.best_holes_choice;
  field("max_hole_score").visible = traits.best_holes_choice;
  field("best_balls").visible = traits.best_balls_choice;
  field("callaway_division").visible = f == Format::net_with_callaway_division;
}

void TournamentDialogModel::show_start_type_controls() {
  int start = index("start_type");
  bool double_shotgun = start == static_cast<int>(StartType::double_shotgun);
  field("first_shotgun_groups").visible = double_shotgun;
  field("last_tee_time").label = double_shotgun ? "and" : "To";
  field("shotgun_holes").visible = start == static_cast<int>(StartType::shotgun) || double_shotgun;
}

// Only the divisions in use show their tee, allowance and limit.
void TournamentDialogModel::show_division_rows() {
  const int count = index("division_count") + 1;
  for (int d = 1; d <= 10; ++d)
    for (const char* base : {"division_tee", "division_allowance", "division_handicap_limit"})
      field(division_field(base, d)).visible = d <= count;
}

void TournamentDialogModel::recompute_last_tee_time() {
  TeePlan plan;
  plan.start_type = index("start_type");
  plan.groups = parse_int(text("group_count"), 10);
  bool digits = !trimmed(text("group_count")).empty();
  for (char c : trimmed(text("group_count"))) digits = digits && c >= '0' && c <= '9';
  if (!digits) plan.groups = 0;
  int first = time_field_minutes("first_tee_time");
  plan.first = {first / 60, first % 60};
  plan.interval_index = index("tee_interval");
  int from = time_field_minutes("blocked_from");
  int to = time_field_minutes("blocked_to");
  plan.blocked_from = {from / 60, from % 60};
  plan.blocked_to = {to / 60, to % 60};
  int second = time_field_minutes("last_tee_time");
  plan.second_shotgun = {second / 60, second % 60};
  if (auto last = last_tee_time(plan)) set_time_field("last_tee_time", last->hour, last->minute, false);
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
    if (index("division_count") == 0) field("division_count").index = 1;
    field("callaway_division").index = index("division_count");
  }
  show_format_controls();
  show_division_rows();
}

void TournamentDialogModel::on_course_chosen() {
  std::string course = field_value_text(field("course"));
  for (std::size_t i = 0; i < tees_.size(); ++i) {
    if (trimmed(tees_[i].text.substr(0, 25)) != course) continue;
    for (int d = 1; d <= 10; ++d) field(division_field("division_tee", d)).index = static_cast<int>(i);
    set_shotgun_defaults(h_, state_, tees_[i].id);
    return;
  }
}

void TournamentDialogModel::on_changed(Field& f) {
  const std::string& n = f.name;
  if (n == "date") {
    // A date still being typed is left as it stands; OK refuses one that is no date.
    parse_date_text(f.text, h_);
  } else if (n == "group_size") {
    on_group_size_typed(f);
  } else if (n == "format") {
    on_format_chosen();
  } else if (n == "course") {
    on_course_chosen();
  } else if (n == "start_type") {
    bool shotgun =
        f.index == static_cast<int>(StartType::shotgun) || f.index == static_cast<int>(StartType::double_shotgun);
    int interval = state_.system.tee_time_interval;
    field("tee_interval").index = shotgun ? 0 : (interval >= 0 && interval < tee_interval_count ? interval : 0);
    if (f.index == static_cast<int>(StartType::double_shotgun))
      field("first_shotgun_groups").text = text("group_count");
    show_start_type_controls();
    recompute_last_tee_time();
  } else if (n == "division_count") {
    show_division_rows();
  } else if (n == "group_count" || n == "first_tee_time" || n == "tee_interval") {
    recompute_last_tee_time();
  } else if (n == "blocked_from") {
    field("blocked_to").index = f.index;
  } else if (n == "blocked_to") {
    if (time_field_minutes("blocked_to") < time_field_minutes("blocked_from"))
      field("blocked_to").index = index("blocked_from");
  } else if (n.rfind("division_allowance.", 0) == 0) {
    if (f.index != 10 && !format_traits(selected_format()).allowances) {
      message_box(state_, message_kind::information,
                  "Handicap Allowances are only permitted for Net Score and Stableford non team tournaments");
      f.index = 10;
    }
  } else if (n.rfind("peoria_hole", 0) == 0) {
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
    field("date").text = date_text(h_);
  }
}

void TournamentDialogModel::open_notepad() {
  std::string name = trimmed(text("name"));
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
  ShotgunHolesModel shotgun(state_, h_, tee_slot_of(division_field("division_tee", 1)));
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
  if (f.name == "callaway_configuration") open_callaway_configuration();
  else if (f.name == "stableford_configuration") custom_stableford_configuration(state_);
  else if (f.name == "choose_date") choose_date();
  else if (f.name == "notepad") open_notepad();
  else if (f.name == "shotgun_holes") open_shotgun_holes();
}

int TournamentDialogModel::tee_slot_of(const std::string& field_name) const {
  const Field* f = find(field_name);
  if (!f || f->index < 0 || f->index >= static_cast<int>(tees_.size())) return 0;
  return tees_[f->index].id;
}

}  // namespace quillon
