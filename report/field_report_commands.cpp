#include "report/field_report_commands.h"

#include <string>
#include <vector>

#include "core/dispatch.h"
#include "core/state.h"
#include "core/ui.h"
#include "report/course_list_report.h"
#include "report/foursomes_report.h"
#include "report/golfer_list_report.h"
#include "report/report_page.h"
#include "report/tournament_list_report.h"
#include "tournament/tournament_selection.h"

namespace quillon {

namespace {

std::optional<FoursomesMode> foursomes_mode(int command) {
  switch (command) {
    case 1602:
    case 1604: return FoursomesMode::handicaps;
    case 1603: return FoursomesMode::member_ids;
    case 1605: return FoursomesMode::with_scores;
    case 1606: return FoursomesMode::no_handicaps;
  }
  return std::nullopt;
}

std::optional<GolferListMode> golfer_list_mode(int command) {
  switch (command) {
    case 1627: return GolferListMode::by_name;
    case 1628: return GolferListMode::by_handicap;
    case 1637: return GolferListMode::carts_by_name;
    case 1638: return GolferListMode::carts_by_tee_time;
  }
  return std::nullopt;
}

bool tournament_chosen(State& state) {
  return check_precondition(state, Precondition::a_tournament) && select_tournament(state, TournamentList::days) != 0;
}

}  // namespace

std::optional<int> choose_report_division(State& state) {
  return choose_report_division(state, state.header.division_count);
}

std::optional<int> choose_report_division(State& state, int count) {
  if (count <= 1) return 0;
  std::vector<Choice> choices = {{0, "All Divisions"}};
  for (int d = 1; d <= count && d <= 10; ++d) choices.push_back({d, "Division " + std::to_string(d)});
  return state.ui.select_one(SelectionKind::division, "Select Division", choices);
}

Status run_field_report_command(State& state, int command) {
  if (auto mode = foursomes_mode(command)) {
    if (!tournament_chosen(state)) return Status::told();
    return run_report(state, [&](State& s) { return print_foursomes(s, *mode); });
  }
  if (auto list = golfer_list_mode(command)) {
    if (!tournament_chosen(state)) return Status::told();
    std::optional<int> division = choose_report_division(state);
    if (!division) return Status::told();
    return run_report(state, [&](State& s) { return print_golfer_list(s, *list, *division); });
  }
  if (command == 1616 || command == 1617)
    return run_report(state, [&](State& s) { return print_tournament_list(s, command == 1616); });
  if (command == 1623) return run_report(state, print_course_list);
  return Status::ok();
}

}  // namespace quillon
