#include "tournament/golfer_selection.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/state.h"

namespace quillon {

std::optional<GolferPlace> select_golfer(State& state) {
  std::vector<std::string> names;
  for (int g = 1; g <= state.header.group_count; ++g) {
    if (!read_record(state, RecordKind::group, g)) return std::nullopt;
    for (int r = 0; r < state.header.group_size; ++r)
      if (state.group.entries[r].name[0] != 0) names.push_back(field_text(state.group.entries[r].name));
  }
  if (names.empty()) return std::nullopt;
  std::sort(names.begin(), names.end());
  std::vector<Choice> choices;
  for (std::size_t i = 0; i < names.size(); ++i) choices.push_back({static_cast<int>(i), names[i]});
  auto picked = state.ui.select_one(SelectionKind::golfer, "Select Golfer", choices);
  if (!picked || *picked < 0 || *picked >= static_cast<int>(names.size())) return std::nullopt;
  const std::string& wanted = names[*picked];
  for (int g = 1; g <= state.header.group_count; ++g) {
    if (!read_record(state, RecordKind::group, g)) return std::nullopt;
    for (int r = 0; r < state.header.group_size; ++r)
      if (field_text(state.group.entries[r].name) == wanted) return GolferPlace{g, r + 1};
  }
  return std::nullopt;
}

}  // namespace quillon
