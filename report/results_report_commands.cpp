#include "report/results_report_commands.h"

#include <optional>

#include "core/dispatch.h"
#include "core/messages.h"
#include "core/state.h"
#include "report/aces_and_deuces_page.h"
#include "report/event_results_page.h"
#include "report/field_report_commands.h"
#include "report/report_page.h"
#include "report/results_layout.h"
#include "report/results_page.h"
#include "report/scoring_report.h"
#include "report/skins_page.h"
#include "scoring/format_rules.h"
#include "tournament/multi_round.h"
#include "tournament/tournament_selection.h"

namespace quillon {

namespace {

std::optional<int> results_type(int command) {
  switch (command) {
    case 1607: return report_type::traditional;
    case 1608: return report_type::hole_by_hole;
    case 1609: return report_type::alphabetical;
    case 1615: return report_type::gross_and_net;
    case 1639: return report_type::traditional;
  }
  return std::nullopt;
}

bool is_skins_command(int command) { return command >= 1611 && command <= 1614; }

bool tournament_chosen(State& state, TournamentList list) {
  return check_precondition(state, Precondition::a_tournament) && select_tournament(state, list) != 0;
}

// The results reports that also serve a multi-round event.
bool serves_events(int command) { return command == 1607 || command == 1608 || command == 1609 || command == 1615; }

// Hole by hole for a Stableford format may show the net scores and points.
int hole_by_hole_type(State& state) {
  if (!is_individual_stableford(format_of(state.header))) return report_type::hole_by_hole;
  Button answer = message_box(state, message_kind::question,
                              "The selected tournament is a Stableford tournament.  Would you like to have the Net "
                              "scores and Stableford points shown for each golfer?");
  return answer == Button::yes ? report_type::hole_by_hole_points : report_type::hole_by_hole;
}

}  // namespace

bool is_results_report_command(int command) {
  return results_type(command) || is_skins_command(command) || command == 1621 || command == 1622 || command == 1636;
}

Status run_results_report_command(State& state, int command) {
  if (!is_results_report_command(command)) return Status::ok();
  if (command == 1639) show_tv_display_steps(state);
  if (!tournament_chosen(state, serves_events(command) ? TournamentList::days_and_events : TournamentList::days))
    return Status::told();
  if (state.header.format == multi_round_format) {
    int type = *results_type(command);
    std::optional<int> division = choose_report_division(state, event_division_count(state, state.header));
    if (!division) return Status::told();
    return run_report(state, [&](State& s) { return event_results_report(s, type, *division); });
  }
  if (command == 1621 || command == 1622) {
    return run_report(state, [&](State& s) { return print_scoring_report(s, command == 1622); });
  }
  std::optional<int> division = choose_report_division(state);
  if (!division) return Status::told();
  if (is_skins_command(command)) {
    const bool net = command >= 1613;
    const bool halves = command == 1611 || command == 1613;
    return run_report(state, [&](State& s) { return skins_report(s, net, *division, halves); });
  }
  if (command == 1636) return run_report(state, [&](State& s) { return aces_and_deuces_report(s, *division); });
  int type = *results_type(command);
  if (type == report_type::hole_by_hole) type = hole_by_hole_type(state);
  return run_report(state, [&](State& s) { return results_report(s, type, *division, command == 1639); });
}

}  // namespace quillon
