#pragma once
// Skins: hole by hole among the golfers who entered the skins game, on gross
// or net scores. A hole is won by the one participant holding its lowest
// value; a shared lowest value halves the hole and nothing carries over.
#include <string>
#include <vector>

namespace quillon {

struct State;

struct SkinsHole {
  int hole = 0;  // 1..hole_count
  int par = 0;  // par of the winner's sex (of the first holder's in a half)
  int low = 0;  // the lowest value on the hole
  int holders = 0;  // participants holding it: 1 = a skin won, more = halved
  std::string winner;  // the winner's name when holders == 1
  std::vector<std::string> halved_by;  // names of a half, by upper-case name
};

struct SkinsResult {
  int event_golfers = 0;  // named golfers of the division
  int entrants = 0;  // of them, those in the skins game
  int without_scores = 0;  // entrants without a score on hole 1
  int participants = 0;  // entrants whose cards were scored
  // Entrants with scores whose card could not play (a hole missing or above
  // the highest score), in field order.
  std::vector<std::string> incomplete_cards;
  std::vector<SkinsHole> holes;
  bool stopped = false;  // a group could not be read or written back (the user was told)
};

// Scores every entrant of the current tournament (its header read) in the
// division (0 = all) and works out the skins; `net` takes the strokes off.
// Each group is written back after scoring, so the scored fields are stored.
// Cards without a score on every hole of the tee take no part.
SkinsResult compute_skins(State& state, bool net, int division);

// The strokes a golfer's net skins are played off: the course handicap at an
// allowance of 100, otherwise the scored course handicap times the allowance,
// rounded half away from zero.
int skins_handicap(int course_handicap_full, int scored_course_hcap, int allowance_percent);

}  // namespace quillon
