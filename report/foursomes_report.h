#pragma once
// "Tournament Foursomes & Tee Times": the tee sheet of the current tournament,
// two groups a line, one golfer a line with member IDs, or with the
// hole-by-hole scores.
namespace quillon {

struct State;

enum class FoursomesMode { with_scores, handicaps, no_handicaps, member_ids };

// Writes the sheet to the report page. With scores in formats 2, 10 and 27 it
// first asks whether net hole scores are wanted. Returns false, after telling
// the user, when the member IDs cannot be read (no page is made).
bool print_foursomes(State& state, FoursomesMode mode);

}  // namespace quillon
