#pragma once
// The rules both golfer maintenance windows apply to a golfer's row while it
// is typed and when it is saved.
#include <optional>
#include <string>

#include "core/dialog_model.h"
#include "core/records/golfer_entry.h"

namespace quillon {

struct State;

// "Maintain Golfer Information : <tournament name>", the title of both windows.
std::string golfer_window_title(const State& state);
// A group number held to 1..group_count of the current tournament (1 when it
// has no groups).
int group_in_range(const State& state, int group);

// An index in tenths as the windows show it: "%4.1f", a plus index as "+%3.1f"
// of its magnitude, blank for 0.
std::string golfer_index_text(int tenths);

// A typed index in tenths; nothing when the text does not read as a number.
// A blank text is 0; a leading '+' makes a plus handicap (negative).
std::optional<int> read_index_text(const std::string& text);

// The index was typed: the division follows it (the division count when the
// text is no number).
void division_follows_index(State& state, Field& division, const std::string& index_text, char gender);

// The division was typed: above the division count it is refused and becomes 1.
void check_division_typed(State& state, Field& division);

// The gender was typed: M or F (upper-cased), anything else refused and the
// tournament default put back; an empty field takes the default.
void check_gender_typed(State& state, Field& gender);

// The name of an imported golfer is being changed: asks whether to go on.
bool confirm_member_name_change(State& state);

// The name of golfer `slot` (1..5) of `stored`, group `group` as last read or
// written, was typed. An imported golfer's new name asks first; on yes the
// golfer is unlinked and the group written at once. On no, or when the write
// fails (told), the name field shows the stored name again.
enum class MemberRename { not_a_member, unlinked, declined, not_written };
MemberRename unlink_renamed_member(State& state, Field& name, GroupBuffer& stored, int slot, int group);

// Whether the division field is typed at all, and what it shows when not.
bool division_typed(const State& state);

// What a window knows of the index cell of one row when it is saved.
struct IndexCell {
  int row = 1;  // 1..5, as the messages name it
  std::string name;  // the row's name as typed; empty for a vacancy
  std::string typed;  // the cell's text now
  std::string loaded;  // the cell's text as the window showed it
  int stored = 0;  // the entry's index in tenths
  bool editable = true;  // false for formats whose handicap is computed
  char gender = 'M';
  int division = 1;
};

// The range a window allows for a typed index, in tenths, and how its message
// for a value outside it shows the value ("%s" the text, "%4.1f" the value).
struct IndexBounds {
  int lowest;
  int highest;
  const char* out_of_range_form;
};
inline constexpr IndexBounds summary_index_bounds{-99, 499, "Invalid handicap index [%s]  for golfer %d"};
inline constexpr IndexBounds detail_index_bounds{-100, 32767, "Invalid handicap index [%4.1f]  for golfer %d"};

// The index to store for a row. A cell the user cannot edit, or did not
// change, keeps the stored index unchecked (the results engine writes computed
// handicaps there); so does a vacancy whose cell does not read. A typed value
// must read as a number, lie within the bounds and give a course handicap on
// the golfer's tee that the entry can hold; nothing, after telling the user,
// when it does not.
std::optional<int> index_to_store(State& state, const IndexCell& cell, const IndexBounds& bounds);

// For Ambrose, works the team handicap of the group's first entry out again
// from the members' indexes.
void update_team_handicap(const State& state, GroupBuffer& group);

// Clears what a golfer leaves behind when the name is removed.
void clear_scores_of_removed(GolferEntry& entry, const std::string& new_name);

}  // namespace quillon
