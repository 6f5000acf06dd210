#pragma once
// The rules both golfer maintenance windows apply to a golfer's row while it
// is typed and when it is saved.
#include <optional>
#include <string>

#include "core/dialog_model.h"
#include "core/records/golfer_entry.h"

namespace quillon {

struct State;

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

// Whether the division field is typed at all, and what it shows when not.
bool division_typed(const State& state);

// Clears what a golfer leaves behind when the name is removed.
void clear_scores_of_removed(GolferEntry& entry, const std::string& new_name);

}  // namespace quillon
