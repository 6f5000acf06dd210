#pragma once
// A member list kept in a workbook: the columns named by the import settings
// (Name1, optional Name2, HC Index, Gender), read through "import.txt".
#include <optional>
#include <string>
#include <vector>

#include "core/result.h"
#include "exchange/spreadsheets/spreadsheet_reader.h"

namespace quillon {

struct State;

struct WorkbookMember {
  std::string name;  // single-byte, not yet cut
  std::string handicap;  // the cell's text, a decimal comma read as a point; empty when the cell is
  std::string gender;  // upper-cased; empty when the cell is
};

inline constexpr std::size_t member_fields = 3;

struct MemberRows {
  std::vector<std::vector<std::string>> lines;  // name, handicap, gender per member
  int names_changed = 0;  // names with characters that have no single-byte form
};

// The import settings' column names: the setting, or "" when it is empty or "not required".
std::string import_column_name(const State& state, int setting);

// The member lines of a table: "%s, %s" of the Name2 and Name1 cells when a
// Name2 column is set (Name2 alone when Name1 is empty), else the Name1 cell;
// rows without a name are left out. Refused, with the reason, when the sheet
// has no Name1 column or no member, or when a member's handicap cell is
// neither empty ("NA", "N/A" and "EOF" count as empty) nor a number.
Result<MemberRows> member_rows(const State& state, const SheetTable& table);

// Lets the user choose the workbook, reads it through its working copy and
// "import.txt" and returns the members. Nothing after the user has been told.
std::optional<std::vector<WorkbookMember>> read_member_workbook(State& state, int* names_changed);

}  // namespace quillon
