#include "handicap/worst_holes.h"

#include <algorithm>
#include <functional>

namespace quillon {

void sort_worst_first(std::vector<int>& scores) { std::sort(scores.begin(), scores.end(), std::greater<int>()); }

int deduct_worst_holes(std::vector<int> candidates, int deduction_tenths, std::vector<int>& used) {
  sort_worst_first(candidates);
  used.clear();
  const int count = static_cast<int>(candidates.size());
  const int whole = std::min(deduction_tenths / 10, count);
  int strokes = 0;
  for (int i = 0; i < whole; ++i) {
    strokes += candidates[i];
    used.push_back(candidates[i]);
  }
  if (deduction_tenths % 10 == 5 && whole < count) {
    strokes += (candidates[whole] + 1) / 2;
    used.push_back(candidates[whole]);
  }
  return strokes;
}

}  // namespace quillon
