#pragma once
// The sources that fill the holding list of the import window: the members
// of the Ravelin database and of a member-list workbook, each as a complete
// golfer entry. The import window calls fill_import_list for the configured
// source; the other functions are its parts.
#include <string>
#include <vector>

#include "core/records/golfer_entry.h"
#include "core/result.h"

namespace quillon {

class RavelinReader;
struct State;

// `import_source` of the import settings record.
enum class ImportSource { ravelin = 0, spreadsheet = 7, parlink = 9 };
ImportSource configured_source(const State& state);

// The holding list: entries in the order they were listed.
using HoldingList = std::vector<GolferEntry>;

// A golfer's line in either list of the import window: name, index ("%4.1f",
// or "+%3.1f" of its size when 0 or below), skins and cart "Y"/"N", gender,
// separated by tabs.
std::string holding_list_line(const GolferEntry& entry);

// Adds the entry unless the holding list already holds exactly its line or
// the tournament's list (`tournament_names`) holds a golfer of that name.
void add_to_holding_list(HoldingList& holding, const GolferEntry& entry,
                         const std::vector<std::string>& tournament_names);

// The handicap system codes of a Ravelin flight (byte 54 of its record).
bool nine_hole_system(int system_code);
int system_record_of(int system_code);  // the kind-10 record the code selects

// A Ravelin member's stored index (tenths; 1000 = none) as it is imported
// into a tournament whose division-1 course has `course_holes` holes.
int ravelin_import_index(int stored, char gender, bool nine_hole_index, int course_holes);

// The "Lee, Ann" form: last and first name, the last alone without a first, cut to 25.
std::string imported_name(const std::string& last, const std::string& first);

// The hole count of the course of the current tournament's division 1.
// Fails, told, when it could not be read.
[[nodiscard]] Result<int> division_one_holes(State& state);

// Whether the configured Ravelin file exists; shows the error naming it when not.
bool ravelin_database_located(State& state);

// Warns when the Ravelin system record read into the reader and the current
// tournament disagree on including rating and par in course handicaps.
void warn_if_handicap_basis_differs(State& state, RavelinReader& reader);

// The members of the Ravelin database for the current tournament (the flight
// chosen, inactive members and empty slots skipped). Status::told() after
// the user has seen why nothing (more) was listed.
Status list_ravelin_members(State& state, HoldingList& holding, const std::vector<std::string>& tournament_names);

// The members of a workbook the user chooses, with the configured columns.
Status list_spreadsheet_members(State& state, HoldingList& holding, const std::vector<std::string>& tournament_names);

// Fills the holding list for the configured source (the Parlink source is in
// exchange/parlink_source.h).
Status fill_import_list(State& state, HoldingList& holding, const std::vector<std::string>& tournament_names);

}  // namespace quillon
