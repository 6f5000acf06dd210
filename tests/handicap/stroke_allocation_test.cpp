#include "handicap/stroke_allocation.h"

#include <gtest/gtest.h>

#include "tests/handicap/tee_fixture.h"

namespace quillon {
namespace {

// Strokes on every hole index 1..n for a handicap.
std::vector<int> allocation(int handicap, int holes) {
  std::vector<int> out;
  for (int h = 1; h <= holes; ++h) out.push_back(strokes_on_hole(h, handicap, holes));
  return out;
}

int total(const std::vector<int>& v) {
  int sum = 0;
  for (int x : v) sum += x;
  return sum;
}

TEST(StrokeAllocation, EighteenHoles) {
  EXPECT_EQ(allocation(18, 18), std::vector<int>(18, 1));
  auto h19 = allocation(19, 18);
  EXPECT_EQ(h19[0], 2);
  EXPECT_EQ(h19[1], 1);
  EXPECT_EQ(total(h19), 19);
  EXPECT_EQ(allocation(36, 18), std::vector<int>(18, 2));
  EXPECT_EQ(allocation(60, 18), std::vector<int>(18, 3));
  auto h40 = allocation(40, 18);
  EXPECT_EQ(h40[0], 3);
  EXPECT_EQ(h40[3], 3);
  EXPECT_EQ(h40[4], 2);
  EXPECT_EQ(total(h40), 40);
  auto h7 = allocation(7, 18);
  EXPECT_EQ(h7[6], 1);
  EXPECT_EQ(h7[7], 0);
  EXPECT_EQ(total(h7), 7);
  EXPECT_EQ(allocation(0, 18), std::vector<int>(18, 0));
}

TEST(StrokeAllocation, NineHoles) {
  EXPECT_EQ(allocation(5, 9), (std::vector<int>{1, 1, 1, 1, 1, 0, 0, 0, 0}));
  EXPECT_EQ(allocation(12, 9), (std::vector<int>{2, 2, 2, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(allocation(30, 9), std::vector<int>(9, 3));  // 27 allocated at most
}

TEST(StrokeAllocation, PlusHandicaps) {
  auto minus1 = allocation(-1, 18);
  EXPECT_EQ(minus1[17], -1);
  EXPECT_EQ(total(minus1), -1);
  auto minus2 = allocation(-2, 18);
  EXPECT_EQ(minus2[16], -1);
  EXPECT_EQ(minus2[17], -1);
  EXPECT_EQ(total(minus2), -2);
  EXPECT_EQ(total(allocation(-9, 18)), -9);
  EXPECT_EQ(allocation(-9, 18)[9], -1);
  EXPECT_EQ(allocation(-9, 18)[8], 0);
  EXPECT_EQ(allocation(-10, 18), std::vector<int>(18, 0));
  EXPECT_EQ(allocation(-12, 18), std::vector<int>(18, 0));
  EXPECT_EQ(allocation(-3, 9), (std::vector<int>{0, 0, 0, 0, 0, 0, -1, -1, -1}));
}

TEST(StrokeAllocation, NetHoleScoreUsesTheSexOfTheGolfer) {
  CourseRecord tee = testing::par72_tee();
  // Hole 1 is stroke index 1 for men and 18 for women.
  EXPECT_EQ(net_hole_score(tee, 5, 'M', 1, 1), 4);
  EXPECT_EQ(net_hole_score(tee, 5, 'F', 1, 1), 5);
  EXPECT_EQ(net_hole_score(tee, 5, 'F', 1, 18), 4);
  EXPECT_EQ(net_hole_score(tee, 4, 'F', 1, -1), 5);
  EXPECT_EQ(net_hole_score(tee, 7, 'M', 18, 54), 4);
}

TEST(StrokeAllocation, HoleCapsAndNames) {
  const int expected[6][4] = {
      // par 3, 4, 5, 6
      {99, 99, 99, 99}, {4, 5, 6, 7}, {5, 6, 7, 8}, {6, 7, 8, 9}, {7, 8, 9, 10}, {6, 8, 10, 12},
  };
  for (int index = 0; index < 6; ++index)
    for (int par = 3; par <= 6; ++par)
      EXPECT_EQ(hole_cap(par, index), expected[index][par - 3]) << "index " << index << " par " << par;
  EXPECT_EQ(hole_cap(4, 6), 99);
  EXPECT_EQ(hole_cap(4, -1), 99);
  EXPECT_EQ(hole_cap_names(),
            (std::vector<std::string>{"None", "1 over par", "2 over par", "3 over par", "4 over par", "double par"}));
  EXPECT_EQ(hole_cap_name(5), "double par");
  EXPECT_EQ(hole_cap_name(9), "None");
}

}  // namespace
}  // namespace quillon
