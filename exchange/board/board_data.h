#pragma once
// What the board shows, built from the results engine: the ranked rows of the
// tournament on show exactly as the results page ranks them (a multi-day
// event by its totals, day by day), the golfers still on the course, and each
// group's card for score entry. Texts are UTF-8.
#include <cstdint>
#include <string>
#include <vector>

#include "core/result.h"

namespace quillon {
struct State;
}

namespace quillon::board {

struct BoardRow {
  int rank = 0;
  std::string name;  // a team's first golfer
  std::vector<std::string> members;  // a team's golfers, empty for one golfer
  int group = 0;
  std::vector<std::string> values;  // one per column
};

struct OnCourse {
  std::string name;
  int group = 0;
  int thru = 0;  // holes with a score
  int strokes = 0;  // their sum
};

struct BoardView {
  int tournament = 0;
  std::string name, date, course, format;
  bool event = false;
  std::vector<std::string> columns;
  std::vector<BoardRow> rows;  // rank order
  std::vector<OnCourse> on_course;
  std::string note;  // why there are no rows, or who is still out
};

// The board of tournament t (a day tournament or an event). Fails when the
// slot holds no tournament.
Result<BoardView> build_board(State& state, int t);
std::string board_json(const BoardView& view);

// The tournament whose groups take scores: t itself, or an event's last day.
int entry_tournament(State& state, int t);
// The same, read as values: the state's buffers stay as they are. 0 when
// the slot holds no tournament or cannot be read.
int entry_day(const State& state, int t);

// A group's card as the entry page needs it: the golfers (or the team card)
// with their pars and hole scores. Fails when there is no such group.
Result<std::string> group_json(State& state, int t, int group);
// The groups of tournament t with their golfers' names.
std::string groups_json(State& state, int t);

// A digest of the bytes the board is built from (the tournament's block, and
// each day's for an event), to tell whether anything changed.
std::uint64_t board_digest(State& state, int t);

}  // namespace quillon::board
