#include <gtest/gtest.h>

#include "handicap/best_holes.h"
#include "handicap/daily_equalizer.h"
#include "handicap/peoria.h"
#include "handicap/stroke_allocation.h"
#include "handicap/system36.h"
#include "tests/handicap/tee_fixture.h"

namespace quillon {
namespace {

using testing::par72_tee;

GolferEntry par_card_with(std::initializer_list<std::pair<int, int>> changes, char gender = 'M', int index = 0) {
  GolferEntry g = testing::par_card(gender, index);
  for (auto [hole, score] : changes) g.hole_scores[hole - 1] = static_cast<std::int8_t>(score);
  return g;
}

TournamentHeader peoria_header() {
  TournamentHeader h{};
  const std::int8_t set1[6] = {18, 17, 16, 9, 8, 7};
  const std::int8_t set2[6] = {15, 14, 13, 6, 5, 4};
  for (int i = 0; i < 6; ++i) {
    h.peoria_holes[i] = set1[i];
    h.peoria_holes2[i] = set2[i];
  }
  return h;
}

TEST(Peoria, ThreeVariantsRoundHalfAwayFromZero) {
  CourseRecord tee = par72_tee();
  TournamentHeader header = peoria_header();
  // The hidden holes 2 under par (birdies on 18 and 17), the rest at par.
  GolferEntry g = par_card_with({{18, 3}, {17, 4}});
  ComputedResult modified = score_peoria(Format::peoria_modified, g, tee, header);
  EXPECT_EQ(modified.gross, 70);
  EXPECT_EQ(modified.adjusted_gross, 70);
  EXPECT_EQ(modified.handicap, -6);  // -5.6
  EXPECT_EQ(modified.net, 76);
  EXPECT_FALSE(modified.sets_scoring_bytes);
  EXPECT_EQ(score_peoria(Format::peoria_single, g, tee, header).handicap, -5);  // -4.8

  // Set 2 six over par: x = -2 + 6 = 4, x 1.2 = 4.8.
  GolferEntry both = par_card_with({{18, 3}, {17, 4}, {15, 5}, {14, 5}, {13, 6}, {6, 5}, {5, 5}, {4, 6}});
  ComputedResult doubled = score_peoria(Format::peoria_double, both, tee, header);
  EXPECT_EQ(doubled.handicap, 5);
  EXPECT_EQ(doubled.net, doubled.gross - 5);
  EXPECT_EQ(score_peoria(Format::peoria_modified, both, tee, header).handicap, -6);  // set 2 plays no part
  EXPECT_EQ(score_peoria(Format::peoria_single, both, tee, header).handicap, -5);

  // Peoria caps: a 9 on the par-3 hole 16 counts 6, a 12 on par-5 hole 17 counts 9.
  GolferEntry blowup = par_card_with({{16, 9}, {17, 12}});
  ComputedResult capped = score_peoria(Format::peoria_modified, blowup, tee, header);
  EXPECT_EQ(capped.gross, 85);
  EXPECT_EQ(capped.handicap, 20);  // x = 3 + 4 = 7, 19.6
  EXPECT_EQ(capped.net, 65);
  EXPECT_EQ(peoria_cap(3), 6);
  EXPECT_EQ(peoria_cap(4), 7);
  EXPECT_EQ(peoria_cap(5), 9);
  EXPECT_EQ(peoria_cap(6), 11);

  // An unset hidden hole counts nothing.
  header.peoria_holes[0] = 0;
  EXPECT_EQ(score_peoria(Format::peoria_modified, g, tee, header).handicap, -3);  // -2.8
}

TEST(DailyEqualizer, EveryBandOfTheTable) {
  auto step = [](int t) {
    EqualizerStep s = daily_equalizer_step(t);
    return std::pair(s.adjustment, s.deduction);
  };
  EXPECT_EQ(step(60), std::pair(0, 0));
  EXPECT_EQ(step(70), std::pair(0, 0));
  EXPECT_EQ(step(71), std::pair(1, 0));
  EXPECT_EQ(step(72), std::pair(2, 0));
  EXPECT_EQ(step(73), std::pair(-2, 5));
  EXPECT_EQ(step(74), std::pair(-1, 5));
  EXPECT_EQ(step(75), std::pair(0, 5));
  // 76-80 deduct one hole, 81-85 one and a half, ... 136-140 seven; within
  // each band the adjustment runs -2..+2.
  const int deductions[] = {10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70};
  const int adjustments[] = {-2, -1, 0, 1, 2};
  for (int band = 0; band < 13; ++band)
    for (int k = 0; k < 5; ++k)
      EXPECT_EQ(step(76 + 5 * band + k), std::pair(adjustments[k], deductions[band])) << 76 + 5 * band + k;
  EXPECT_EQ(step(141), std::pair(2, 70));
  EXPECT_EQ(step(170), std::pair(2, 70));
}

TEST(DailyEqualizer, WorkedCards) {
  // Par round: 72 gives +2 and no deduction.
  ComputedResult even = score_daily_equalizer(testing::par_card());
  EXPECT_EQ(even.adjusted_gross, 72);
  EXPECT_EQ(even.adjustment, 2);
  EXPECT_EQ(even.handicap, 2);
  EXPECT_EQ(even.net, 70);

  // 75: half the worst hole (5) rounded up.
  ComputedResult r75 = score_daily_equalizer(par_card_with({{1, 5}, {2, 5}, {5, 5}}));
  EXPECT_EQ(r75.adjusted_gross, 75);
  EXPECT_EQ(r75.adjustment, 0);
  EXPECT_EQ(r75.deduction, 5);
  EXPECT_EQ(r75.handicap, 3);
  EXPECT_EQ(r75.net, 72);

  // A 10 counts one more than the 15th best score (5): t = 73, gross 77.
  ComputedResult capped = score_daily_equalizer(par_card_with({{4, 10}}));
  EXPECT_EQ(capped.gross, 77);
  EXPECT_EQ(capped.adjusted_gross, 73);
  EXPECT_EQ(capped.adjustment, -2);
  EXPECT_EQ(capped.deducted_scores, std::vector<int>{6});
  EXPECT_EQ(capped.handicap, 5);  // -2 + 3 + (77 - 73)
  EXPECT_EQ(capped.net, 72);
  GolferEntry stored{};
  store_computed(stored, capped);
  EXPECT_EQ(stored.gross_score, 77);
  EXPECT_EQ(stored.adjusted_gross, 73);
  EXPECT_EQ(stored.net_score, 72);
  EXPECT_EQ(stored.handicap_index, 50);
  EXPECT_EQ(stored.course_hcap, 5);
  EXPECT_EQ(stored.playing_hcap, 5);

  // 86 (every hole but four a bogey): 2 holes, adjustment (85 mod 5) - 2.
  GolferEntry bogeys = testing::par_card();
  for (int h = 0; h < 14; ++h) bogeys.hole_scores[h] += 1;
  ComputedResult r86 = score_daily_equalizer(bogeys);
  EXPECT_EQ(r86.adjusted_gross, 86);
  EXPECT_EQ(r86.adjustment, -2);
  EXPECT_EQ(r86.deduction, 20);
  EXPECT_EQ(r86.deducted_scores, (std::vector<int>{6, 6}));
  EXPECT_EQ(r86.handicap, 10);
  EXPECT_EQ(r86.net, 76);

  // Below 71 nothing changes.
  ComputedResult low = score_daily_equalizer(par_card_with({{1, 3}, {2, 3}}));
  EXPECT_EQ(low.handicap, 0);
  EXPECT_EQ(low.net, 70);
}

TEST(System36, PointsAndTheEnteredHandicap) {
  CourseRecord tee = par72_tee();
  TournamentHeader header{};
  EXPECT_EQ(score_system36(testing::par_card(), tee, header).handicap, 0);

  // Nine bogeys and nine double bogeys: 36 - 9 = 27.
  GolferEntry g = testing::par_card('M', 200);
  for (int h = 0; h < 18; ++h) g.hole_scores[h] += h < 9 ? 1 : 2;
  ComputedResult plain = score_system36(g, tee, header);
  EXPECT_EQ(plain.gross, 99);
  EXPECT_EQ(plain.adjusted_gross, 99);
  EXPECT_EQ(plain.handicap, 27);
  EXPECT_EQ(plain.net, 72);

  header.options = use_entered_handicap_option;
  ComputedResult entered = score_system36(g, tee, header);
  EXPECT_EQ(entered.handicap, 20);
  EXPECT_EQ(entered.net, 79);
  // The handicap played is what the results show from the scoring bytes.
  GolferEntry stored = g;
  stored.course_hcap = stored.playing_hcap = 99;
  store_computed(stored, entered);
  EXPECT_EQ(stored.course_hcap, 20);
  EXPECT_EQ(stored.playing_hcap, 20);
  EXPECT_EQ(stored.handicap_index, 200);
  EXPECT_EQ(stored.adjusted_gross, 99);
  EXPECT_EQ(stored.net_score, 79);
  g.handicap_index = 279;  // 27 is not above 27
  EXPECT_EQ(score_system36(g, tee, header).handicap, 27);
  g.handicap_index = 300;
  EXPECT_EQ(score_system36(g, tee, header).handicap, 27);
  g.handicap_index = 9;  // truncates to 0: not used
  EXPECT_EQ(score_system36(g, tee, header).handicap, 27);

  // A birdie takes 2 like a par; a 9-hole course starts from 18.
  tee.hole_count = 9;
  GolferEntry nine = par_card_with({{1, 3}, {2, 5}, {3, 5}});
  EXPECT_EQ(system36_value(nine, tee), 18 - 2 * 7 - 1);
}

TEST(BestHoles, GrossAndNet) {
  CourseRecord tee = par72_tee();
  TournamentHeader header{};
  header.best_holes_count = 3;
  header.max_hole_score_index = double_par_setting;
  GolferEntry g = par_card_with({{1, 2}, {3, 2}, {4, 4}, {2, 12}}, 'M', 180);

  ComputedResult gross = score_best_holes(Format::best_holes_gross, g, tee, header);
  EXPECT_EQ(gross.gross, 76);
  EXPECT_EQ(gross.adjusted_gross, 0);
  EXPECT_EQ(gross.net, -4);
  EXPECT_EQ(gross.handicap, 18);  // shown, not played

  // The course handicap goes into the scoring bytes; the index stays.
  GolferEntry stored = g;
  store_computed(stored, gross);
  EXPECT_EQ(stored.gross_score, 76);
  EXPECT_EQ(stored.adjusted_gross, 0);
  EXPECT_EQ(stored.net_score, -4);
  EXPECT_EQ(stored.course_hcap, 18);
  EXPECT_EQ(stored.playing_hcap, 18);
  EXPECT_EQ(stored.handicap_index, 180);

  // 18.0 at slope 113: one stroke on every hole.
  ComputedResult net = score_best_holes(Format::best_holes_net, g, tee, header);
  EXPECT_EQ(net.handicap, 18);
  EXPECT_EQ(net.net, -7);
  // Without rating or par: 10.4 at slope 130 is 12 strokes, on stroke index
  // 1..12, whatever the rating.
  g.handicap_index = 104;
  tee.men_slope = 130;
  tee.men_rating = 650;
  header.include_rating_and_par = 1;
  ComputedResult twelve = score_best_holes(Format::best_holes_net, g, tee, header);
  EXPECT_EQ(twelve.handicap, 12);
  EXPECT_EQ(twelve.net, -7);
  header.best_holes_count = 14;  // 11 holes under par net, then three at par
  EXPECT_EQ(score_best_holes(Format::best_holes_net, g, tee, header).net, -3 - 2 - 2 - 8);
  header.best_holes_count = 3;
  g.handicap_index = 180;
  tee.men_slope = 113;

  // All holes: the capped 8 counts +4: -2 -1 -1 +4 = 0.
  header.best_holes_count = 18;
  EXPECT_EQ(score_best_holes(Format::best_holes_gross, g, tee, header).net, 0);

  // On a 9-hole course at most its holes count.
  tee.hole_count = 9;
  EXPECT_EQ(score_best_holes(Format::best_holes_gross, g, tee, header).net, 0);
  GolferEntry nine = par_card_with({{1, 3}});
  for (int h = 9; h < 18; ++h) nine.hole_scores[h] = 0;
  EXPECT_EQ(score_best_holes(Format::best_holes_gross, nine, tee, header).net, -1);
}

}  // namespace
}  // namespace quillon
