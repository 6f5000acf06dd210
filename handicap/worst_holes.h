#pragma once
// Deduction of the worst holes, shared by the Callaway family and the Daily
// Equalizer.
#include <vector>

namespace quillon {

// Strokes deducted for `deduction_tenths` tenths of holes: the sum of the
// worst deduction / 10 scores plus, when a half hole remains, half the next
// worst rounded up. `used` receives the scores counted, worst first.
int deduct_worst_holes(std::vector<int> candidates, int deduction_tenths, std::vector<int>& used);

// Sorts worst (largest) first.
void sort_worst_first(std::vector<int>& scores);

}  // namespace quillon
