#pragma once
// Every ace (a hole in one stroke) and every deuce (a hole in two) of the
// field, whatever the par.
#include <string>
#include <vector>

#include "core/result.h"

namespace quillon {

struct State;

struct HoleFeat {
  int hole = 0;
  std::string golfer;
};

struct AcesAndDeuces {
  int golfers = 0;  // named golfers of the division
  int without_scores = 0;  // of them, those without a score on hole 1
  std::vector<HoleFeat> aces;  // in field order (group, slot, hole)
  std::vector<HoleFeat> deuces;  // the same
};

// Walks the field of the current tournament (its header read) in the
// division (0 = all); the skins entry plays no part.
// Fails, told, when a group could not be read.
[[nodiscard]] Result<AcesAndDeuces> find_aces_and_deuces(State& state, int division);

}  // namespace quillon
