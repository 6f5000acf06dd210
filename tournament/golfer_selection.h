#pragma once
// "Select Golfer": picks a golfer of the current tournament by name.
#include <optional>

namespace quillon {

struct State;

struct GolferPlace {
  int group = 0;
  int row = 0;  // 1..group_size
};

// Lists every named golfer of groups 1..group_count sorted by name; the first
// golfer in group order with the chosen name becomes current (its group is
// read). Nothing when there is no golfer or the list was cancelled.
std::optional<GolferPlace> select_golfer(State& state);

}  // namespace quillon
