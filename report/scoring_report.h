#pragma once
// The "Tournament Scoring Report": per hole how many eagles, birdies, pars,
// bogeys, doubles and others were made, with the average, lowest and highest
// score, and the golfers with the most eagles, birdies, pars and better.
#include <array>
#include <string>
#include <vector>

#include "core/result.h"

namespace quillon {

struct State;

// Classes of a hole score against par (less the strokes received in net mode).
enum ScoreClass { eagle_or_better = 0, birdie, par_class, bogey, double_bogey, others, score_class_count };

struct HoleScoring {
  int hole = 0;
  int par = 0;
  std::array<int, score_class_count> counts{};
  int low = 0;  // lowest score less strokes received
  int high = 0;  // highest score less strokes received
  int strokes = 0;  // gross strokes, for the average
  int cards = 0;
};

struct GolferScoring {
  std::string name;
  int eagles = 0;
  int birdies = 0;
  int pars = 0;
};

struct ScoringSummary {
  int golfers = 0;  // named golfers
  int without_scores = 0;  // of them, those without a score on hole 1
  std::vector<HoleScoring> holes;
  std::vector<GolferScoring> cards;  // complete cards, in field order
};

// The class of a score: score - par - strokes + 2, at least 0, at most `others`.
int score_class(int score, int par, int strokes);

// Walks the current tournament; net mode takes the strokes received off.
[[nodiscard]] Result<ScoringSummary> summarise_scoring(State& state, bool net);

// Commands 1621 (gross) and 1622 (net): the page of the current tournament.
// False, after telling the user, when no golfer has scores.
bool print_scoring_report(State& state, bool net);

}  // namespace quillon
