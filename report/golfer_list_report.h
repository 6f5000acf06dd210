#pragma once
// "Golfer Information" and "PowerCart Rider Report": one list of the field of
// the current tournament in four orders.
namespace quillon {

struct State;

enum class GolferListMode { by_name, by_handicap, carts_by_name, carts_by_tee_time };

// Writes the list of the golfers of `division` (0 = all) of the current
// tournament to the report page. Returns false, after telling the user, when
// there is nobody to list (no page is made).
bool print_golfer_list(State& state, GolferListMode mode, int division);

}  // namespace quillon
