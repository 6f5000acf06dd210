#include "app/demo_championship.h"

#include <string>
#include <utility>
#include <vector>

#include "app/application.h"
#include "core/scripted_ui.h"
#include "core/state.h"
#include "tournament/multi_round.h"
#include "tournament/tournament_selection.h"

namespace quillon {

namespace {

using Typing = std::vector<std::pair<std::string, std::string>>;

constexpr int rounds = 3;
constexpr int championship_golfers = 12;
constexpr int golfers_per_group = 4;
constexpr int pars[18] = {4, 5, 3, 4, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 4, 5};

constexpr const char* players[championship_golfers][3] = {
    {"Alan Brooks", "8.4", "M"},  {"David Evans", "4.2", "M"},   {"Grace Hall", "9.9", "F"},
    {"Henry Irwin", "+1.2", "M"}, {"Jack Kelly", "11.0", "M"},   {"Liam Moore", "6.8", "M"},
    {"Paul Quinn", "3.5", "M"},   {"Sam Shaw", "10.6", "M"},     {"Brian Carter", "12.1", "M"},
    {"Karen Lewis", "14.4", "F"}, {"Victor Young", "13.9", "M"}, {"Rose Reid", "16.1", "F"}};

Typing round_details(int day) {
  return {{"name", "Championship Round " + std::to_string(day)},
          {"format", "Net Scores"},
          {"contact", "Club Secretary"},
          {"group_size", "4"},
          {"tee_interval", " 7.5"},
          {"first_tee_time", "08:00"}};
}

Typing championship_field() {
  Typing t;
  for (int i = 0; i < championship_golfers; ++i) {
    std::string at = std::to_string(i / golfers_per_group + 1) + "." + std::to_string(i % golfers_per_group + 1);
    t.emplace_back("name." + at, players[i][0]);
    t.emplace_back("index." + at, players[i][1]);
    t.emplace_back("gender." + at, players[i][2]);
  }
  return t;
}

// Each day's cards differ a little; one golfer misses the second round.
Typing championship_scores(int day) {
  Typing t;
  for (int golfer = 0; golfer < championship_golfers; ++golfer) {
    const int row = golfer % golfers_per_group + 1;
    if (row == 1 && golfer > 0) t.emplace_back("!next", "");
    if (day == 2 && golfer == championship_golfers - 1) continue;
    for (int h = 0; h < 18; ++h) {
      int over = ((golfer * 5 + h * 3 + day * 7) % 11) < (2 + golfer % 4) ? 1 : 0;
      if ((golfer + h + day) % 9 == 0) over -= 1;
      t.emplace_back("score." + std::to_string(row) + "." + std::to_string(h + 1), std::to_string(pars[h] + over));
    }
  }
  return t;
}

}  // namespace

bool add_demo_championship(State& state, ScriptedUi& ui) {
  std::vector<int> slots;
  for (int day = 1; day <= rounds; ++day) {
    ui.dialog({round_details(day), false, false});
    if (!dispatch_command(state, 1301)) return false;
    const int slot = state.tournament_count;
    slots.push_back(slot);
    ui.select(SelectionKind::tournament, std::to_string(slot));
    ui.dialog({championship_field(), false, false});
    if (!dispatch_command(state, 1303)) return false;
    ui.dialog({championship_scores(day), false, false});
    if (!dispatch_command(state, 1305)) return false;
  }
  // Each day list is answered with the round's line as the list shows it.
  Typing event = {{"name", "Club Championship"}};
  for (int day = 1; day <= rounds; ++day)
    event.emplace_back(
        "day." + std::to_string(day),
        tournament_list_line(state, peek_header(state, slots[static_cast<std::size_t>(day - 1)]), false));
  ui.dialog({event, false, false});
  return dispatch_command(state, 1302).is_ok();
}

}  // namespace quillon
