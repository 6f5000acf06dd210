// Tie-break digits of the four methods, the handicap shares and the order
// they give.
#include <gtest/gtest.h>

#include "core/state.h"
#include "scoring/format_rules.h"
#include "scoring/score_golfer.h"
#include "scoring/sort_key.h"
#include "scoring/tie_break.h"
#include "tests/scoring/scoring_fixture.h"

namespace quillon::testing {
namespace {

// Scores the card in slot 1 and returns its whole sort key.
std::string scored_key(TestTournament& t, const GolferEntry& g, int report = report_type::traditional) {
  t.state.group = GroupBuffer{};
  t.state.group.entries[0] = g;
  EXPECT_TRUE(score_golfer(t.state, 1, CardMessages::quiet));
  CourseRecord tee = t.state.course;
  return golfer_sort_key(t.state.header, tee, t.state.system, t.state.group.entries[0], 'M', report).str();
}

std::string digits_of(const std::string& key) { return key.substr(5); }

TEST(TieBreak, HandicapSharesTruncateTowardZero) {
  EXPECT_EQ(handicap_share(15, 1), 1);
  EXPECT_EQ(handicap_share(15, 3), 3);
  EXPECT_EQ(handicap_share(15, 6), 5);
  EXPECT_EQ(handicap_share(15, 9), 8);
  EXPECT_EQ(handicap_share_tenths(15, 1), 8);
  EXPECT_EQ(handicap_share_tenths(15, 3), 25);
  EXPECT_EQ(handicap_share_tenths(15, 6), 50);
  EXPECT_EQ(handicap_share_tenths(15, 9), 75);
  EXPECT_EQ(handicap_share(-4, 1), 0);
  EXPECT_EQ(handicap_share(-4, 3), 0);
  EXPECT_EQ(handicap_share(-4, 6), -1);
  EXPECT_EQ(handicap_share(-4, 9), -1);
  EXPECT_EQ(handicap_share_tenths(-4, 1), -1);
  EXPECT_EQ(handicap_share_tenths(-4, 3), -6);
  EXPECT_EQ(handicap_share_tenths(-4, 6), -13);
  EXPECT_EQ(handicap_share_tenths(-4, 9), -20);
}

TEST(TieBreak, CountBackOnANineHoleCourseStartsAtHoleNine) {
  TestHome home;
  TestTournament t(home, Format::net, 4, 9);
  std::string key = scored_key(t, golfer("Ann Lee", {4, 4, 3, 5, 4, 4, 3, 5, 5}));
  EXPECT_EQ(key,
            "037"
            "00"
            "000000000000000000"
            "949496959594969595");
}

TEST(TieBreak, CountBackRanksTheWorseLastHoleFirstAmongEqualTotals) {
  TestHome home;
  TestTournament t(home, Format::net);
  std::string five_on_18 = scored_key(t, par_golfer("Ann Lee", {{18, 5}, {17, 4}}));
  std::string four_on_18 = scored_key(t, par_golfer("Bob Ray"));
  EXPECT_EQ(five_on_18.substr(0, 9),
            "07200"
            "94"
            "95");
  EXPECT_EQ(four_on_18.substr(0, 9),
            "07200"
            "95"
            "94");
  EXPECT_LT(five_on_18, four_on_18);
}

TEST(TieBreak, CountBackTakesTheStrokesOfTheCourseHandicap) {
  TestHome home;
  TestTournament t(home, Format::net);
  // Course handicap 2: a stroke on holes 1 and 2.
  std::string key = scored_key(t, par_golfer("Ann Lee", {}, 20));
  EXPECT_EQ(digits_of(key),
            "959496959594969595"
            "959496959594969696");
}

TEST(TieBreak, StablefordCountBackRanksFewerPointsOnTheLastHoleFirst) {
  TestHome home;
  TestTournament t(home, Format::stableford_net_bogey);
  std::string fewer_on_18 = scored_key(t, par_golfer("Ann Lee", {{18, 5}, {17, 4}}));
  std::string par_on_18 = scored_key(t, par_golfer("Bob Ray"));
  EXPECT_EQ(fewer_on_18.substr(0, 9),
            "84500"
            "02"
            "04");
  EXPECT_EQ(par_on_18.substr(0, 9),
            "84500"
            "03"
            "03");
  EXPECT_LT(fewer_on_18, par_on_18);
}

TEST(TieBreak, StablefordKeysPutMorePointsFirst) {
  TestHome home;
  TestTournament t(home, Format::stableford_net_bogey);
  header_options::set_tie_break(t.state.header, tie_break_method::none);
  // 36 points: six holes without points; 40: four without and a double bogey.
  std::string k36 = scored_key(t, par_golfer("Ann Lee", {{1, 8}, {2, 8}, {3, 8}, {4, 9}, {5, 8}, {6, 8}}));
  std::string k40 = scored_key(t, par_golfer("Bob Ray", {{1, 8}, {2, 8}, {3, 8}, {4, 9}, {5, 6}}));
  EXPECT_EQ(k36.substr(0, 3), "863");
  EXPECT_EQ(k40.substr(0, 3), "859");
  EXPECT_LT(k40, k36);
}

TEST(TieBreak, LastNineSixThreeOneTakesTheSharesOffTheSums) {
  TestHome home;
  TestTournament t(home, Format::net);
  header_options::set_tie_break(t.state.header, tie_break_method::last_9631);
  // Net Scores, course handicap 15: 360 - 75, 250 - 50, 120 - 25, 40 - 8 tenths.
  EXPECT_EQ(digits_of(scored_key(t, par_golfer("Ann Lee", {}, 150))),
            "285200095032"
            "000000000000000000000000");

  // Best Holes - Net takes whole strokes: 36 - 8, 25 - 5, 12 - 3, 4 - 1.
  set_format(t.state.header, Format::best_holes_net);
  EXPECT_EQ(digits_of(scored_key(t, par_golfer("Ann Lee", {}, 150))),
            "028020009003"
            "000000000000000000000000");

  // Gross Scores takes nothing off.
  set_format(t.state.header, Format::gross);
  EXPECT_EQ(digits_of(scored_key(t, par_golfer("Ann Lee", {}, 150))),
            "036025012004"
            "000000000000000000000000");
}

TEST(TieBreak, AustralianCountBackComparesSumsThenHolesFromTheLast) {
  TestHome home;
  TestTournament t(home, Format::net);
  header_options::set_tie_break(t.state.header, tie_break_method::australian);
  EXPECT_EQ(digits_of(scored_key(t, par_golfer("Ann Lee", {{17, 6}}))),
            "037026013004"
            "006003004004005003004004");

  // Stableford compares 10 - points: par on the bogey scale is 7.
  set_format(t.state.header, Format::stableford_net_bogey);
  EXPECT_EQ(digits_of(scored_key(t, par_golfer("Ann Lee", {{17, 6}}))),
            "064043022007"
            "008007007007007007007007");
}

TEST(TieBreak, CallawayValuesAreCappedAtTwiceThePar) {
  TestHome home;
  TestTournament t(home, Format::callaway);
  // 11 on hole 10 (par 4) counts 8; double bogeys on holes 1..9. Adjusted 94:
  // +1 and 2.5 holes (8 + 7 + 4) give a handicap of 20, a stroke on hole 10.
  GolferEntry g =
      par_golfer("Ann Lee", {{1, 6}, {2, 6}, {3, 5}, {4, 7}, {5, 6}, {6, 6}, {7, 5}, {8, 7}, {9, 6}, {10, 11}});
  std::string key = scored_key(t, g);
  EXPECT_EQ(key.substr(0, 5), "07430");
  EXPECT_EQ(digits_of(key).substr(16, 2), "92");  // 99 - (8 - 1)

  header_options::set_tie_break(t.state.header, tie_break_method::last_9631);
  EXPECT_EQ(digits_of(scored_key(t, g)).substr(0, 3), "030");  // 40 less a share of 10

  header_options::set_tie_break(t.state.header, tie_break_method::australian);
  std::string australian = digits_of(scored_key(t, g));
  EXPECT_EQ(australian.substr(0, 3), "040");
  EXPECT_EQ(australian.substr(33, 3), "008");  // hole 10 is the 9th last
}

TEST(TieBreak, EachFormatGroupValuesItsHoles) {
  TestHome home;
  TestTournament t(home, Format::gross);
  const std::string par_count_back = "959496959594969595";  // 99 - par, holes 18..10 and again 9..1

  // Gross Scores and System 36 take no strokes, whatever the index.
  EXPECT_EQ(scored_key(t, par_golfer("Ann Lee", {}, 150)), "07200" + par_count_back + par_count_back);
  set_format(t.state.header, Format::system36);
  EXPECT_EQ(scored_key(t, par_golfer("Ann Lee", {}, 150)), "07210" + par_count_back + par_count_back);

  // Net Scores with 1 Callaway Division: the net division takes shares in tenths.
  set_format(t.state.header, Format::net_with_callaway_division);
  t.state.header.division_count = 2;
  t.state.header.callaway_division = 2;
  header_options::set_tie_break(t.state.header, tie_break_method::last_9631);
  EXPECT_EQ(scored_key(t, par_golfer("Ann Lee", {}, 150)),
            "05700"
            "285200095032" +
                std::string(24, '0'));

  // Stableford: 10 - points, two points a par.
  set_format(t.state.header, Format::stableford_net_par);
  EXPECT_EQ(scored_key(t, par_golfer("Ann Lee")),
            "86300"
            "072048024008" +
                std::string(24, '0'));
}

TEST(TieBreak, HandicapPreferenceComesBeforeTheMethod) {
  TestHome home;
  TestTournament t(home, Format::system36);
  // Both net 72: System 36 handicaps 6 and 8; the lower one ranks first.
  std::string six = scored_key(t, par_golfer("Ann Lee", {{1, 6}, {4, 7}, {10, 5}, {18, 5}}));
  std::string eight = scored_key(t, par_golfer("Bob Ray", {{1, 6}, {2, 6}, {3, 4}, {4, 6}, {5, 5}, {6, 5}}));
  EXPECT_EQ(six.substr(0, 5), "07216");
  EXPECT_EQ(eight.substr(0, 5), "07218");
  EXPECT_LT(six, eight);
  set_format(t.state.header, Format::net);
  EXPECT_EQ(scored_key(t, par_golfer("Ann Lee", {}, 104)).substr(3, 2), "00");
}

TEST(TieBreak, PlusHandicapsArePreferredBeforeZeroAndHigherHandicaps) {
  TestHome home;
  TestTournament t(home, Format::system36);
  // The same net and card; only the computed handicap left by the engine differs.
  auto key_with_handicap = [&](int strokes) {
    GolferEntry g = par_golfer("Ann Lee");
    g.net_score = 72;
    g.handicap_index = static_cast<std::int16_t>(10 * strokes);
    return golfer_sort_key(t.state.header, t.state.course, t.state.system, g, 'M', report_type::traditional).str();
  };
  const std::string plus_two = key_with_handicap(-2), plus_one = key_with_handicap(-1), zero = key_with_handicap(0),
                    one = key_with_handicap(1);
  EXPECT_EQ(plus_two.substr(0, 5), "07208");
  EXPECT_EQ(plus_one.substr(0, 5), "07209");
  EXPECT_EQ(zero.substr(0, 5), "07210");
  EXPECT_EQ(one.substr(0, 5), "07211");
  EXPECT_LT(plus_two, plus_one);
  EXPECT_LT(plus_one, zero);
  EXPECT_LT(zero, one);
}

TEST(TieBreak, NoneWritesZeros) {
  TestHome home;
  TestTournament t(home, Format::net);
  header_options::set_tie_break(t.state.header, tie_break_method::none);
  std::string key = scored_key(t, par_golfer("Ann Lee", {{18, 9}}));
  EXPECT_EQ(key, "07700" + std::string(36, '0'));
}

TEST(TieBreak, FieldsKeepTheirWidth) {
  TieBreakRow row;
  row.values.fill(-5);
  EXPECT_EQ(tie_break_digits(row, tie_break_method::count_back), std::string(36, '0'));
  row.values.fill(250);
  EXPECT_EQ(tie_break_digits(row, tie_break_method::count_back), std::string(36, '9'));
  EXPECT_EQ(tie_break_digits(row, tie_break_method::australian).substr(0, 12), "999999750250");
}

}  // namespace
}  // namespace quillon::testing
