#include "handicap/stableford.h"

#include <gtest/gtest.h>

#include "tests/handicap/tee_fixture.h"

namespace quillon {
namespace {

using testing::card;
using testing::par72_tee;

struct StablefordSetup {
  CourseRecord tee = par72_tee();
  TournamentHeader header{};
  SystemRecord system{};
  StablefordSetup() {
    for (auto& a : header.division_allowance) a = 100;
    std::int8_t custom[8] = {10, 8, 6, 4, 2, 1, 0, -1};
    for (int i = 0; i < 8; ++i) system.stableford_points[i] = custom[i];
  }
  StablefordResult score(Format format, const GolferEntry& g) {
    return score_stableford(format, g, tee, header, system);
  }
};

// Hole 1 (par 4, men's index 1) played to each score with no handicap.
int points_on_first_hole(StablefordSetup& s, Format format, int score) {
  GolferEntry g = testing::par_card();
  g.hole_scores[0] = static_cast<std::int8_t>(score);
  return s.score(format, g).points_row[0];
}

TEST(Stableford, ThreeScalesAndTheCustomTable) {
  StablefordSetup s;
  // Net par scale: 2 for par, 4 for an eagle, 0 at 6 over, 7 at 6 under (capped).
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_net_par, 4), 2);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_net_par, 3), 3);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_net_par, 2), 4);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_net_par, 1), 5);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_net_par, 5), 1);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_net_par, 6), 0);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_net_par, 10), 0);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_net_par, -2), 7);
  // Net bogey scale.
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_net_bogey, 4), 3);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_net_bogey, 5), 2);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_net_bogey, 6), 1);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_net_bogey, 7), 0);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_net_bogey, 3), 4);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_net_bogey, 0), 7);
  // Any other format (the hole-by-hole report): net par scores 4.
  EXPECT_EQ(points_on_first_hole(s, Format::net, 4), 4);
  EXPECT_EQ(points_on_first_hole(s, Format::net, 8), 0);
  // Custom table, from "< Dbl Eagle" to "Others".
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_custom, 0), 10);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_custom, 1), 8);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_custom, 2), 6);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_custom, 3), 4);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_custom, 4), 2);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_custom, 5), 1);
  EXPECT_EQ(points_on_first_hole(s, Format::stableford_custom, 6), 0);
  EXPECT_EQ(points_on_first_hole(s, Format::best_balls_stableford, 9), -1);
}

TEST(Stableford, HandicapAllowanceAndTotals) {
  StablefordSetup s;
  s.header.division_allowance[1] = 50;
  // Index 20.0 at slope 113: course handicap 20; 50 % gives 10 strokes on
  // men's stroke index 1..10, i.e. holes 1..10.
  GolferEntry g = testing::par_card('M', 200);
  g.division = 2;
  StablefordResult r = s.score(Format::stableford_net_par, g);
  EXPECT_EQ(r.course_hcap, 20);
  EXPECT_EQ(r.playing_hcap, 10);
  EXPECT_EQ(r.gross, 72);
  EXPECT_EQ(r.net_row[0], 3);
  EXPECT_EQ(r.net_row[9], 3);
  EXPECT_EQ(r.net_row[10], 4);
  EXPECT_EQ(r.points, 10 * 3 + 8 * 2);
  EXPECT_EQ(r.points_row[hole_row_total], 46);

  GolferEntry stored = g;
  store_stableford(stored, r);
  EXPECT_EQ(stored.course_hcap, 20);
  EXPECT_EQ(stored.playing_hcap, 10);
  EXPECT_EQ(stored.gross_score, 72);
  EXPECT_EQ(stored.adjusted_gross, 72);
  EXPECT_EQ(stored.net_score, 46);
}

TEST(Stableford, CustomGrossScoresIgnoreStrokesButKeepHandicaps) {
  StablefordSetup s;
  s.system.flags = system_flag::custom_stableford_gross;
  GolferEntry g = testing::par_card('M', 180);
  StablefordResult r = s.score(Format::stableford_custom, g);
  EXPECT_EQ(r.course_hcap, 18);
  EXPECT_EQ(r.playing_hcap, 18);
  EXPECT_EQ(r.net_row[0], 4);
  EXPECT_EQ(r.points, 18 * 2);
  // The flag is for format 20 only: 26 still takes strokes.
  EXPECT_EQ(s.score(Format::best_balls_stableford, g).points, 18 * 4);
  s.system.flags = 0;
  EXPECT_EQ(s.score(Format::stableford_custom, g).points, 18 * 4);
}

TEST(Stableford, NineHoleCourseAndWomensBlock) {
  StablefordSetup s;
  s.tee.hole_count = 9;
  s.tee.women_slope = 120;
  s.tee.women_rating = 700;
  s.tee.women_total_par = 36;
  s.header.include_rating_and_par = 1;
  // Women's course handicap: 100 x 120 / 113 = 106; 700 + 106 - 360 = 446 -> 45.
  GolferEntry g = card({5, 5, 4, 6, 5, 5, 4, 6, 5}, 'F', 100);
  StablefordResult r = s.score(Format::stableford_net_bogey, g);
  EXPECT_EQ(r.course_hcap, 45);
  EXPECT_EQ(r.gross, 45);
  // 45 strokes on 9 holes: 3 on every hole (27 allocated), net 2 under par.
  EXPECT_EQ(r.net_row[0], 2);
  EXPECT_EQ(r.points, 9 * 5);
  EXPECT_EQ(r.net_row[9], 0);  // holes beyond the course stay empty
}

}  // namespace
}  // namespace quillon
