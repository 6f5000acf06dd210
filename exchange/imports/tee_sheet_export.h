#pragma once
// The tee sheet as a workbook: one row per golfer slot of every group, so
// that the rows map back to the same slots when the sheet is imported.
#include <string>
#include <vector>

#include "core/result.h"

namespace quillon {

struct State;

inline const std::vector<std::string> tee_sheet_columns = {"GroupNum", "TeeTime",  "Name",      "Handicap",
                                                           "Gender",   "Division", "PowerCart", "Member"};
inline constexpr const char* tee_sheet_name = "Sheet1";

// The rows of the current tournament's tee sheet (UTF-8 cell texts). Reads
// every group.
// Fails, told, when a group could not be read.
[[nodiscard]] Result<std::vector<std::vector<std::string>>> tee_sheet_rows(State& state);

// "Export Tee Sheet to Excel Spreadsheet" for tournament t (0 = none chosen).
Status export_tee_sheet(State& state, int tournament);

// The suggested file name of a tournament's tee sheet.
std::string tee_sheet_file_name(State& state);

}  // namespace quillon
