#pragma once
// Command 1413, "Manually specify tournament winner": the committee picks the
// golfer (or team) who heads the results whatever the score.
#include <string>
#include <vector>

#include "core/result.h"

namespace quillon {

struct State;

// The names offered by the "Select Golfer" list: every named golfer of the
// current tournament, sorted, each once. Fails, told, when a group could not be read.
[[nodiscard]] Result<std::vector<std::string>> golfer_names_for_selection(State& state);

// Marks the first golfer, in group order, named `name` as the manual winner
// (entry_flags bit 1) and clears the mark everywhere else; writes every group
// that changed. An empty name clears the mark. Fails when no golfer has the
// name; told() after a failed write.
Status mark_manual_winner(State& state, const std::string& name);

// The command: selects the tournament, then the golfer (or "None", which
// takes the committee's choice away), asks to confirm, and marks it.
Status manually_specify_winner(State& state);

}  // namespace quillon
