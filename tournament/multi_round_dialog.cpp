#include "tournament/multi_round_dialog.h"

#include <algorithm>
#include <cstring>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "core/text.h"
#include "tournament/formats.h"
#include "tournament/multi_round.h"
#include "tournament/tournament_selection.h"

namespace quillon {

namespace {

constexpr int event_group_size = 4;

std::string day_field(int day) { return format_text(16, "day.%d", day); }

}  // namespace

MultiRoundDialogModel::MultiRoundDialogModel(State& state, const TournamentHeader& event, bool adding, int slot)
    : state_(state), adding_(adding), slot_(slot), event_(event), form_(build_fields(day_options())) {
  title_ = "Build Multi-Day Tournament";
  int limit = most_results;
  if (!adding) {
    form_.name.text = field_text(event.name);
    limit = results_limit_of(event);
    std::vector<int> days = event_days(event);
    for (std::size_t k = 0; k < days.size(); ++k) {
      auto it = std::find(choices_.begin(), choices_.end(), days[k]);
      if (it != choices_.end()) form_.days[k]->index = static_cast<int>(it - choices_.begin());
    }
  }
  form_.results_limit.index = limit - 1;
  focus_ = form_.name.name;
}

std::vector<std::string> MultiRoundDialogModel::day_options() {
  const int slot = slot_;
  const std::vector<TournamentLine> listed = tournaments_newest_first(
      state_, [slot](int t, const TournamentHeader& h) { return t != slot && h.format != multi_round_format; },
      [](State& s, const TournamentHeader& h) { return tournament_list_line(s, h, false); });
  std::vector<std::string> options = {unassigned_day};
  choices_ = {0};
  for (const TournamentLine& l : listed) {
    options.push_back(l.line);
    choices_.push_back(l.slot);
  }
  return options;
}

MultiRoundForm MultiRoundDialogModel::build_fields(const std::vector<std::string>& options) {
  auto day_lists = [&] {
    std::vector<Field*> days;
    for (int day = 1; day <= max_event_days; ++day) {
      Field& f = add(Field::list_field(day_field(day), format_text(16, "Day #%d", day), options));
      f.fixed_pitch = true;
      days.push_back(&f);
    }
    return days;
  };
  return MultiRoundForm{
      .name = add(Field::text_field("name", "Name", sizeof event_.name - 1)),
      .results_limit = add(Field::list_field("results_limit", "Gross and Net Limit", results_limit_list())),
      .rounds_heading = add(Field::label_field("rounds_heading", "Tournament Rounds")),
      .days = day_lists(),
  };
}

bool MultiRoundDialogModel::check_name() {
  const std::string name = trimmed(form_.name.text);
  // An empty name would store the event as a free slot.
  if (name.empty()) {
    message_box(state_, message_kind::error, "The tournament name cannot be blank.");
    return false;
  }
  // Changing is held to the same rule as adding: two tournaments of one name
  // cannot be told apart in the selection lists.
  for (int t = 1; t <= state_.tournament_count; ++t) {
    if (t == slot_) continue;
    TournamentHeader other = peek_header(state_, t);
    if (tournament_slot_free(other) || field_text(other.name) != name) continue;
    message_box(state_, message_kind::error,
                "The tournament name must be unique.  A tournament already exists using the selected name.");
    return false;
  }
  return true;
}

bool MultiRoundDialogModel::collect_days(std::vector<int>& days) {
  days.clear();
  bool stableford = false;
  for (const Field* day : form_.days) {
    const int chosen = day->index;
    if (chosen <= 0 || chosen >= static_cast<int>(choices_.size())) continue;
    const int t = choices_[static_cast<std::size_t>(chosen)];
    const TournamentHeader h = peek_header(state_, t);
    if (excluded_from_events(h.format)) {
      show_message_text(state_, message_kind::warning, excluded_day_message);
      return false;
    }
    if (days.empty()) {
      stableford = counts_as_stableford(h.format);
    } else if (counts_as_stableford(h.format) != stableford) {
      message_box(state_, message_kind::warning,
                  "Stableford and non Stableford rounds cannot both exist in the same Multiple Day Event.");
      return false;
    }
    days.push_back(t);
  }
  if (days.empty()) {
    message_box(state_, message_kind::warning, "At least one rounds must be selected.");
    return false;
  }
  // Checked before the header is rebuilt, so that a refused save changes nothing.
  for (std::size_t i = 0; i < days.size(); ++i)
    for (std::size_t j = i + 1; j < days.size(); ++j)
      if (days[i] == days[j]) {
        message_box(state_, message_kind::warning, "The same round cannot be selected more than once");
        return false;
      }
  return true;
}

void MultiRoundDialogModel::build_header(const std::vector<int>& days) {
  const TournamentHeader first = peek_header(state_, days.front());
  TournamentHeader& e = event_;
  std::memset(&e, 0, sizeof e);
  set_field_text_terminated(e.name, trimmed(form_.name.text));
  e.format = multi_round_format;
  for (std::size_t k = 0; k < days.size(); ++k) e.round_tournaments[k] = static_cast<std::int16_t>(days[k]);
  e.results_limit = static_cast<std::uint16_t>(form_.results_limit.index + 1);
  e.date_year = first.date_year;
  e.date_month = first.date_month;
  e.date_day = first.date_day;
  e.tee_interval_index = first.tee_interval_index;
  e.first_tee_hour = first.first_tee_hour;
  e.first_tee_minute = first.first_tee_minute;
  e.blocked_from_hour = first.blocked_from_hour;
  e.blocked_from_minute = first.blocked_from_minute;
  e.blocked_to_hour = first.blocked_to_hour;
  e.blocked_to_minute = first.blocked_to_minute;
  e.division_tee[0] = first.division_tee[0];
  e.group_size = event_group_size;
}

bool MultiRoundDialogModel::accept() {
  std::vector<int> days;
  if (!check_name() || !collect_days(days)) return false;
  build_header(days);
  return true;
}

}  // namespace quillon
