// Strokes per hole remembered per tee, sex and handicap.
#include <gtest/gtest.h>

#include "scoring/stroke_tables.h"
#include "tests/scoring/scoring_fixture.h"

namespace quillon {
namespace {

using testing::scoring_tee;

HoleStrokes strokes(std::initializer_list<int> values) {
  HoleStrokes out{};
  int i = 0;
  for (int v : values) out[i++] = static_cast<std::int8_t>(v);
  return out;
}

TEST(StrokeTables, StrokesPerHoleBySexHandicapAndTee) {
  const CourseRecord tee = scoring_tee();  // men's stroke index of hole h is h, women's 19 - h
  EXPECT_EQ(hole_strokes(tee, 'M', 3), strokes({1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(hole_strokes(tee, 'F', 3), strokes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1}));
  EXPECT_EQ(hole_strokes(tee, 'M', 20), strokes({2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
  // A plus handicap of 2 gives a stroke back on the two easiest holes.
  EXPECT_EQ(hole_strokes(tee, 'M', -2), strokes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, -1}));
  // A 9-hole tee: two strokes on its hardest hole for 10, nothing beyond hole 9.
  EXPECT_EQ(hole_strokes(scoring_tee(9), 'M', 10), strokes({2, 1, 1, 1, 1, 1, 1, 1, 1}));

  // The tables answer the same, for tees, sexes and handicaps in and out of their range.
  const CourseRecord nine = scoring_tee(9);
  StrokeTables tables;
  for (int round = 0; round < 2; ++round) {
    for (int handicap : {-12, -10, -2, 0, 3, 20, 54, 60}) {
      SCOPED_TRACE("handicap " + std::to_string(handicap));
      EXPECT_EQ(tables.of(tee, 'M', handicap), hole_strokes(tee, 'M', handicap));
      EXPECT_EQ(tables.of(tee, 'F', handicap), hole_strokes(tee, 'F', handicap));
      EXPECT_EQ(tables.of(nine, 'M', handicap), hole_strokes(nine, 'M', handicap));
    }
  }
  EXPECT_EQ(tables.of(tee, 'M', 60), strokes({3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}));
}

}  // namespace
}  // namespace quillon
