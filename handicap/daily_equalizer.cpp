#include "handicap/daily_equalizer.h"

#include <algorithm>
#include <vector>

#include "handicap/worst_holes.h"

namespace quillon {

EqualizerStep daily_equalizer_step(int t) {
  if (t <= 70) return {0, 0};
  if (t <= 72) return {t - 70, 0};
  if (t <= 75) return {t - 75, 5};
  if (t <= 140) return {(t - 1) % 5 - 2, (t - 71) / 5 * 5 + 5};
  return {2, 70};
}

ComputedResult score_daily_equalizer(const GolferEntry& golfer) {
  std::vector<int> capped(std::begin(golfer.hole_scores), std::end(golfer.hole_scores));
  std::sort(capped.begin(), capped.end());
  const int limit = capped[14] + 1;
  for (int i = 15; i < 18; ++i) capped[i] = std::min(capped[i], limit);

  ComputedResult r;
  for (int h = 0; h < 18; ++h) r.gross += golfer.hole_scores[h];
  int t = 0;
  for (int s : capped) t += s;
  r.adjusted_gross = t;

  const EqualizerStep step = daily_equalizer_step(t);
  r.adjustment = step.adjustment;
  r.deduction = step.deduction;
  int deducted = deduct_worst_holes(capped, step.deduction, r.deducted_scores);
  r.handicap = step.adjustment + deducted + (r.gross - t);
  r.net = r.gross - r.handicap;
  r.sets_scoring_bytes = true;
  return r;
}

}  // namespace quillon
