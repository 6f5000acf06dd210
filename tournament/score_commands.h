#pragma once
// The score entry commands: add/change scores (1305, 987) and change scores
// (1404). Both take the scorer that totals a completed card; the desktop and
// command-line programs pass the results engine's per-golfer scoring.
#include "tournament/score_card.h"

namespace quillon {

struct State;

// Opens "Maintain Golfer Scores" at group 1 of a selected tournament. Refuses
// when no tournament exists. Returns whether the window closed with OK.
bool add_scores(State& state, const CardScorer& scorer = {});

// Opens it at the current group of a selected tournament that has golfers.
bool change_scores(State& state, const CardScorer& scorer = {});

}  // namespace quillon
