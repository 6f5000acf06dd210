#pragma once
// A hole score from a phone, saved through the score window's own model: the
// same typing rules (the Stableford pick-up, the highest score), the same
// scoring of a completed card and the same checked save under the database
// lock that never overwrites another opener's change.
#include <optional>
#include <string>

#include "tournament/score_card.h"

namespace quillon {
struct State;
}

namespace quillon::board {

enum class SaveOutcome {
  saved,
  refused,  // the score is not one the card takes; reason says why
  conflict,  // the card changed meanwhile; stored holds what it says now
  not_found,  // no such group, golfer or hole
  failed,  // the file could not be written; reason says why
};

struct SaveReply {
  SaveOutcome outcome = SaveOutcome::failed;
  std::string reason;  // UTF-8
  int stored = 0;  // the hole's score as the file holds it after the call (0 none)
};

// Saves `score` ("1".."15", or "X" where the format takes a pick-up) on hole
// `hole` of golfer `slot` of group `group` of the tournament that takes
// entries (t, or an event's last day). `was` is the score the sender saw on
// that hole (0 none); when the file holds another one, nothing is written.
SaveReply save_hole_score(State& state, const CardScorer& scorer, int tournament, int group, int slot, int hole,
                          const std::string& score, std::optional<int> was);

}  // namespace quillon::board
