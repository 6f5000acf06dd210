#include "handicap/callaway.h"

#include <gtest/gtest.h>

#include <cstring>

#include "handicap/stroke_allocation.h"
#include "tests/handicap/tee_fixture.h"

namespace quillon {
namespace {

using testing::par72_tee;

// Pars of par72_tee by hole 1..18.
HoleScores par_scores() { return hole_scores_of(testing::par_card()); }

// The par card with some holes changed: {hole, score} pairs.
HoleScores scores_with(std::initializer_list<std::pair<int, int>> changes) {
  HoleScores s = par_scores();
  for (auto [hole, score] : changes) s[hole - 1] = score;
  return s;
}

TournamentHeader callaway_header(int base = 70, int max = 51, int cap = double_par_setting) {
  TournamentHeader h{};
  set_format(h, Format::callaway);
  h.callaway_table_base = static_cast<std::int8_t>(base);
  h.callaway_max_handicap = static_cast<std::int8_t>(max);
  h.max_hole_score_index = static_cast<std::int8_t>(cap);
  h.peoria_holes[0] = 18;
  h.peoria_holes[1] = 17;
  return h;
}

TEST(Callaway, TableSteps) {
  auto step = [](int a, int b) {
    CallawayStep s = callaway_step(a, b);
    return std::pair(s.adjustment, s.deduction);
  };
  EXPECT_EQ(step(72, 70), std::pair(0, 0));
  EXPECT_EQ(step(73, 70), std::pair(-2, 5));
  EXPECT_EQ(step(74, 70), std::pair(-1, 5));
  EXPECT_EQ(step(75, 70), std::pair(0, 5));
  EXPECT_EQ(step(76, 70), std::pair(-2, 10));
  EXPECT_EQ(step(80, 70), std::pair(2, 10));
  EXPECT_EQ(step(81, 70), std::pair(-2, 15));
  EXPECT_EQ(step(100, 70), std::pair(2, 30));
  EXPECT_EQ(step(130, 70), std::pair(2, 60));
  EXPECT_EQ(step(131, 70), std::pair(2, 60));
  // Bases below and above 70 keep the cycle starting at base + 6.
  EXPECT_EQ(step(66, 60), std::pair(-2, 10));
  EXPECT_EQ(step(68, 60), std::pair(0, 10));
  EXPECT_EQ(step(81, 75), std::pair(-2, 10));
  EXPECT_EQ(step(85, 75), std::pair(2, 10));
  EXPECT_EQ(step(86, 75), std::pair(-2, 15));
}

TEST(Callaway, EveryRowOfTheTableAtBase70) {
  auto step = [](int a) {
    CallawayStep s = callaway_step(a, 70);
    return std::pair(s.adjustment, s.deduction);
  };
  for (int a = 60; a <= 72; ++a) EXPECT_EQ(step(a), std::pair(0, 0)) << a;
  // 76-80 deduct one hole, 81-85 one and a half, ... 126-130 six; within each
  // band the adjustment runs -2..+2.
  const int deductions[] = {10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60};
  const int adjustments[] = {-2, -1, 0, 1, 2};
  for (int band = 0; band < 11; ++band)
    for (int k = 0; k < 5; ++k)
      EXPECT_EQ(step(76 + 5 * band + k), std::pair(adjustments[k], deductions[band])) << 76 + 5 * band + k;
  for (int a = 131; a <= 140; ++a) EXPECT_EQ(step(a), std::pair(2, 60)) << a;
}

TEST(Callaway, WorkedCardsAtBase70) {
  CourseRecord tee = par72_tee();
  TournamentHeader header = callaway_header();

  ComputedResult even = score_callaway(Format::callaway, par_scores(), 'M', tee, header);
  EXPECT_EQ(even.adjusted_gross, 72);
  EXPECT_EQ(even.handicap, 0);
  EXPECT_EQ(even.net, 72);

  // 73 with a worst hole of 7: -2 plus half of 7 rounded up.
  ComputedResult r73 = score_callaway(Format::callaway, scores_with({{4, 7}, {1, 3}}), 'M', tee, header);
  EXPECT_EQ(r73.gross, 73);
  EXPECT_EQ(r73.adjustment, -2);
  EXPECT_EQ(r73.deduction, 5);
  EXPECT_EQ(r73.deducted_scores, std::vector<int>{7});
  EXPECT_EQ(r73.handicap, 2);
  EXPECT_EQ(r73.net, 71);

  // 100: three worst holes (hole 18 is excluded although it is as bad) and +2.
  HoleScores hundred = scores_with({{4, 9},
                                    {8, 9},
                                    {2, 8},
                                    {18, 8},
                                    {1, 5},
                                    {3, 4},
                                    {5, 5},
                                    {6, 5},
                                    {7, 4},
                                    {9, 5},
                                    {10, 5},
                                    {11, 5},
                                    {12, 4},
                                    {13, 6},
                                    {14, 5},
                                    {15, 5}});
  ComputedResult r100 = score_callaway(Format::callaway, hundred, 'M', tee, header);
  EXPECT_EQ(r100.adjusted_gross, 100);
  EXPECT_EQ(r100.adjustment, 2);
  EXPECT_EQ(r100.deduction, 30);
  EXPECT_EQ(r100.deducted_scores, (std::vector<int>{9, 9, 8}));
  EXPECT_EQ(r100.handicap, 28);
  EXPECT_EQ(r100.net, 72);
  EXPECT_TRUE(r100.sets_scoring_bytes);

  // Above the maximum the handicap is cut, and the net uses the cut value.
  ComputedResult capped = score_callaway(Format::callaway, hundred, 'M', tee, callaway_header(70, 20));
  EXPECT_EQ(capped.handicap, 20);
  EXPECT_EQ(capped.net, 80);

  GolferEntry stored{};
  store_computed(stored, r100);
  EXPECT_EQ(stored.gross_score, 100);
  EXPECT_EQ(stored.adjusted_gross, 100);
  EXPECT_EQ(stored.net_score, 72);
  EXPECT_EQ(stored.handicap_index, 280);
  EXPECT_EQ(stored.course_hcap, 28);
  EXPECT_EQ(stored.playing_hcap, 28);
}

TEST(Callaway, HoleCapsKeepTheRawGross) {
  CourseRecord tee = par72_tee();
  // Hole 3 (par 3) scored 9: double par counts 6, "1 over par" counts 4.
  HoleScores s = scores_with({{3, 9}});
  ComputedResult double_par = score_callaway(Format::callaway, s, 'M', tee, callaway_header());
  EXPECT_EQ(double_par.gross, 78);
  EXPECT_EQ(double_par.adjusted_gross, 75);
  ComputedResult one_over = score_callaway(Format::callaway, s, 'M', tee, callaway_header(70, 51, 1));
  EXPECT_EQ(one_over.gross, 78);
  EXPECT_EQ(one_over.adjusted_gross, 73);
  EXPECT_EQ(one_over.deducted_scores, std::vector<int>{5});  // a par 5 is now the worst
  EXPECT_EQ(one_over.handicap, 1);  // -2 + 3
  EXPECT_EQ(one_over.net, 72);
}

TEST(Callaway, EqualExcludedHolesLeaveSeventeenCandidates) {
  CourseRecord tee = par72_tee();
  TournamentHeader header = callaway_header();
  header.peoria_holes[0] = header.peoria_holes[1] = 18;
  // Hole 17 may now be deducted.
  ComputedResult r = score_callaway(Format::callaway, scores_with({{17, 9}, {1, 3}}), 'M', tee, header);
  EXPECT_EQ(r.adjusted_gross, 75);
  EXPECT_EQ(r.deducted_scores, std::vector<int>{9});
  EXPECT_EQ(r.handicap, 5);  // 0 + 5
}

TEST(Scheid, EveryRowOfTheTables) {
  const int adjustments[79] = {
      -1, 0,  // i = 0, 1
      -2, -1, 0,  -2, -1, 0,  // half, one hole
      -2, -1, 0,  1,  -2, -1, 0,  1,  -2, -1, 0,  1,  -2, -1, 0,  1, -2, -1, 0, 1,  // 1 1/2 .. 3 1/2
      -2, -1, 0,  1,  2,  -2, -1, 0,  1,  2,  -2, -1, 0,  1,  2,  // 4 .. 5
      -3, -2, -1, 0,  1,  2,  -3, -2, -1, 0,  1,  2,  -3, -2, -1, 0, 1,  2,  // 5 1/2 .. 6 1/2
      -3, -2, -1, 0,  1,  2,  -3, -2, -1, 0,  1,  2,  -3, -2, -1, 0, 1,  2,  // 7 .. 8
  };
  const int deductions[79] = {
      0,  0,  5,  5,  5,  10, 10, 10, 15, 15, 15, 15, 20, 20, 20, 20, 25, 25, 25, 25, 30, 30, 30, 30, 35, 35, 35,
      35, 40, 40, 40, 40, 40, 45, 45, 45, 45, 45, 50, 50, 50, 50, 50, 55, 55, 55, 55, 55, 55, 60, 60, 60, 60, 60,
      60, 65, 65, 65, 65, 65, 65, 70, 70, 70, 70, 70, 70, 75, 75, 75, 75, 75, 75, 80, 80, 80, 80, 80, 80,
  };
  for (int i = 0; i < 79; ++i) {
    CallawayStep s = scheid_step(72 + i, 72);
    EXPECT_EQ(s.adjustment, adjustments[i]) << i;
    EXPECT_EQ(s.deduction, deductions[i]) << i;
  }
}

TEST(Scheid, TablesAndCards) {
  auto step = [](int i) {
    CallawayStep s = scheid_step(72 + i, 72);
    return std::pair(s.adjustment, s.deduction);
  };
  EXPECT_EQ(step(-1), std::pair(0, 0));
  EXPECT_EQ(step(0), std::pair(-1, 0));
  EXPECT_EQ(step(1), std::pair(0, 0));
  EXPECT_EQ(step(2), std::pair(-2, 5));
  EXPECT_EQ(step(4), std::pair(0, 5));
  EXPECT_EQ(step(5), std::pair(-2, 10));
  EXPECT_EQ(step(10), std::pair(0, 15));
  EXPECT_EQ(step(11), std::pair(1, 15));
  EXPECT_EQ(step(32), std::pair(2, 40));
  EXPECT_EQ(step(43), std::pair(-3, 55));
  EXPECT_EQ(step(72), std::pair(2, 75));
  EXPECT_EQ(step(73), std::pair(-3, 80));
  EXPECT_EQ(step(78), std::pair(2, 80));
  EXPECT_EQ(step(79), std::pair(2, 80));
  EXPECT_EQ(step(120), std::pair(2, 80));

  CourseRecord tee = par72_tee();
  TournamentHeader header = callaway_header(72, 50);
  set_format(header, Format::scheid);
  ComputedResult below = score_callaway(Format::scheid, scores_with({{1, 3}}), 'M', tee, header);
  EXPECT_EQ(below.handicap, 0);
  EXPECT_EQ(below.net, 71);

  // i = 79 without caps: eight worst holes and +2.
  HoleScores heavy = par_scores();
  for (int& s : heavy) s += 3;
  heavy[0] = 10;
  ComputedResult worst = score_callaway(Format::scheid, heavy, 'M', tee, callaway_header(50, 70, 0));
  EXPECT_EQ(worst.adjusted_gross, 129);
  EXPECT_EQ(worst.adjustment, 2);
  EXPECT_EQ(worst.deduction, 80);
  EXPECT_EQ(worst.deducted_scores, (std::vector<int>{10, 8, 8, 8, 7, 7, 7, 7}));
  EXPECT_EQ(worst.handicap, 64);
  EXPECT_EQ(worst.net, 65);
}

TEST(Callaway, ScrambleTeamCardTakesTheLowestEnteredScore) {
  GroupBuffer group{};
  for (int slot = 0; slot < 3; ++slot) {
    std::strcpy(group.entries[slot].name, "Golfer");
    for (int h = 0; h < 18; ++h) group.entries[slot].hole_scores[h] = static_cast<std::int8_t>(5 + slot);
  }
  group.entries[1].hole_scores[0] = 3;
  group.entries[2].hole_scores[1] = 4;
  group.entries[0].hole_scores[2] = 0;  // not entered: the others count
  group.entries[3].hole_scores[3] = 2;  // an unnamed slot does not count
  HoleScores team = scramble_team_card(group, 4);
  EXPECT_EQ(team[0], 3);
  EXPECT_EQ(team[1], 4);
  EXPECT_EQ(team[2], 6);
  EXPECT_EQ(team[3], 5);
}

TEST(Callaway9, EveryRowOfTheTables) {
  // i = adjusted - base, from 0 to 36: adjustment in tenths, deduction in
  // hundredths of holes.
  const int adjustments[37] = {0, 10, -10, -10, 0,   10, 0,  0, -10, 0,   10, -10, 10,  -10, 0,   10, 0,  0, -10,
                               0, 10, -10, 10,  -10, 0,  10, 0, 0,   -10, 0,  10,  -10, 10,  -10, 0,  10, 10};
  const int deductions[37] = {0,   0,   25,  50,  50,  50,  75,  75,  100, 100, 100, 125, 125,
                              150, 150, 150, 175, 175, 200, 200, 200, 225, 225, 250, 250, 250,
                              275, 275, 300, 300, 300, 325, 325, 350, 350, 350, 350};
  for (int i = 0; i <= 36; ++i) {
    CallawayStep s = callaway9_step(35 + i, 35);
    EXPECT_EQ(s.adjustment, adjustments[i]) << i;
    EXPECT_EQ(s.deduction, deductions[i]) << i;
  }
  EXPECT_EQ(callaway9_step(34, 35).adjustment, 0);
  EXPECT_EQ(callaway9_step(34, 35).deduction, 0);
  EXPECT_EQ(callaway9_step(80, 35).adjustment, 10);
  EXPECT_EQ(callaway9_step(80, 35).deduction, 350);

  // The fraction of the next worst hole, for scores 3..10.
  const int quarter[8] = {8, 10, 13, 15, 18, 20, 23, 25};
  const int three_quarters[8] = {23, 30, 38, 45, 53, 60, 68, 75};
  for (int v = 3; v <= 10; ++v) {
    EXPECT_EQ(callaway9_partial_tenths(v, 25), quarter[v - 3]) << v;
    EXPECT_EQ(callaway9_partial_tenths(v, 50), 5 * v) << v;
    EXPECT_EQ(callaway9_partial_tenths(v, 75), three_quarters[v - 3]) << v;
  }
}

TEST(Callaway9, WorkedCards) {
  CourseRecord tee = par72_tee();
  tee.hole_count = 9;
  TournamentHeader header = callaway_header(35, 25);
  set_format(header, Format::callaway_nine);
  header.peoria_holes[0] = 9;

  // a = 51, i = 16: no adjustment, 1 3/4 holes: 8 + three quarters of 7.
  HoleScores card = scores_with({{4, 8}, {2, 7}, {1, 6}, {5, 6}, {6, 6}, {3, 5}, {9, 5}});
  ComputedResult r = score_callaway9(card, 'M', tee, header);
  EXPECT_EQ(r.gross, 51);
  EXPECT_EQ(r.adjusted_gross, 51);
  EXPECT_EQ(r.adjustment, 0);
  EXPECT_EQ(r.deduction, 175);
  EXPECT_EQ(r.deducted_scores, (std::vector<int>{8, 7}));
  EXPECT_EQ(r.handicap, 13);  // (80 + 53 + 5) / 10
  EXPECT_EQ(r.net, 38);
  GolferEntry stored{};
  store_computed(stored, r);
  EXPECT_EQ(stored.gross_score, 51);
  EXPECT_EQ(stored.adjusted_gross, 51);
  EXPECT_EQ(stored.net_score, 38);
  EXPECT_EQ(stored.handicap_index, 130);
  EXPECT_EQ(stored.course_hcap, 13);
  EXPECT_EQ(stored.playing_hcap, 13);

  // i = 15: +1 stroke, 1 1/2 holes: (80 + 35 + 10 + 5) / 10 = 13.
  ComputedResult r15 = score_callaway9(scores_with({{4, 8}, {2, 7}, {1, 6}, {5, 6}, {6, 6}, {3, 5}}), 'M', tee, header);
  EXPECT_EQ(r15.adjusted_gross, 50);
  EXPECT_EQ(r15.adjustment, 10);
  EXPECT_EQ(r15.deduction, 150);
  EXPECT_EQ(r15.handicap, 13);

  // i = 2: -1 stroke and a quarter of the worst hole: (15 - 10 + 5) / 10 = 1.
  ComputedResult r2 = score_callaway9(scores_with({{4, 6}}), 'M', tee, header);
  EXPECT_EQ(r2.adjustment, -10);
  EXPECT_EQ(r2.deduction, 25);
  EXPECT_EQ(r2.deducted_scores, std::vector<int>{6});
  EXPECT_EQ(r2.handicap, 1);

  // Below the base: nothing.
  ComputedResult low = score_callaway9(scores_with({{1, 3}, {2, 3}}), 'M', tee, header);
  EXPECT_EQ(low.adjusted_gross, 34);
  EXPECT_EQ(low.adjustment, 0);
  EXPECT_EQ(low.deduction, 0);
  EXPECT_EQ(low.handicap, 0);

  // 3 1/4 holes adds the quarter of the fourth worst, without caps:
  // worst 10, 8, 8 and a quarter of 7 = 278 tenths, less 1 stroke.
  HoleScores heavy = par_scores();
  for (int& s : heavy) s += 3;
  heavy[0] = 10;
  ComputedResult r31 = score_callaway9(heavy, 'M', tee, callaway_header(35, 35, 0));
  EXPECT_EQ(r31.adjusted_gross, 66);
  EXPECT_EQ(r31.adjustment, -10);
  EXPECT_EQ(r31.deduction, 325);
  EXPECT_EQ(r31.deducted_scores, (std::vector<int>{10, 8, 8, 7}));
  EXPECT_EQ(r31.handicap, 27);
  // The maximum cuts it.
  EXPECT_EQ(score_callaway9(heavy, 'M', tee, callaway_header(35, 25, 0)).handicap, 25);
}

}  // namespace
}  // namespace quillon
