#pragma once
// What the board adds to printed matter: each group's PIN and entry-address
// QR code on the score cards, and the "Board PINs" list for the starter.
#include <map>
#include <string>
#include <vector>

#include "core/result.h"
#include "report/score_cards.h"

namespace quillon {
struct State;
}

namespace quillon::board {

// The address people open, from "board.cfg" (the LAN address when none is
// set), or "" when the board is not set up for tournament t (its day, for an
// event).
std::string board_address_for(State& state, int t);

// The marks of the groups of the current tournament when the board is set up
// for it (PINs are given to groups that have none); none otherwise.
std::map<int, CardBoardMark> card_board_marks(State& state);

struct GroupPin {
  int group = 0;
  std::vector<std::string> names;  // as stored (Windows-1252)
  std::string pin;
};

// Every group of tournament t (an event: its last day) with its PIN, giving
// PINs to groups without one. Read as values: the state's buffers stay as
// they are.
Result<std::vector<GroupPin>> group_pins(const State& state, int t);

// The "Board PINs" page of tournament t in the report page: group, golfers,
// PIN and entry address. False when no page was made (the user was told).
bool board_pins_report(State& state, int t);

}  // namespace quillon::board
