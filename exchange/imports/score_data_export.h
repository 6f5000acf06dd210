#pragma once
// Every scored golfer's hole-by-hole card as a workbook.
#include <string>
#include <vector>

#include "core/result.h"

namespace quillon {

struct State;

inline constexpr const char* score_data_sheet_name = "MySheet";

// The columns for a division-1 course of `holes` holes: Name, 1..18, F9, B9,
// Tot for 18 holes, else Name, 1..9, Tot.
std::vector<std::string> score_data_columns(int holes);

// The rows of the current tournament (golfers with a name, not disqualified,
// with a score on hole 1). Reads the groups and the division courses.
// Fails, told, when a group could not be read.
[[nodiscard]] Result<std::vector<std::vector<std::string>>> score_data_rows(State& state, int holes);

// "Export Score Data to Excel Spreadsheet" (command 2004, button 920).
Status export_score_data(State& state);

}  // namespace quillon
