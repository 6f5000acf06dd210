#pragma once
// Replacing a tournament's field with the rows of a tee sheet workbook.
#include <string>
#include <vector>

#include "core/result.h"
#include "exchange/spreadsheets/spreadsheet_reader.h"

#include "core/status.h"

namespace quillon {

struct State;

// One row of a tee sheet as "import.txt" holds it (single-byte texts).
struct TeeSheetLine {
  std::string name;  // "ZZZ" for an empty slot
  std::string handicap;
  std::string division;
  std::string gender;
  std::string power_cart;
  std::string member;
};

inline constexpr const char* vacancy_name = "ZZZ";

struct TeeSheetLines {
  std::vector<TeeSheetLine> lines;
  int golfer_rows = 0;  // rows with a golfer's name
  int slots_needed = 0;  // rows up to and including the last golfer's
  int names_changed = 0;  // names with characters that have no single-byte form
};

inline constexpr std::size_t tee_sheet_fields = 6;

// The lines of a tee sheet table, each empty or missing cell replaced by its
// column's default. Refused, with the reason, when the sheet has no Name
// column or no golfer, or when a golfer's handicap or division cannot be read
// as a number (naming the row, the column and the value).
Result<TeeSheetLines> tee_sheet_lines(const SheetTable& table);

// "Import Tee Sheet from Excel Spreadsheet" for tournament t (0 = none chosen).
Status import_tee_sheet(State& state, int tournament);

}  // namespace quillon
