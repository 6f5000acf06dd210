// Skins and aces & deuces worked out from the field.
#include <gtest/gtest.h>

#include "scoring/aces_and_deuces.h"
#include "scoring/skins.h"
#include "tests/scoring/scoring_fixture.h"

namespace quillon::testing {
namespace {

GolferEntry entrant(GolferEntry g) {
  g.in_skins = 1;
  return g;
}

TEST(Skins, GrossWinnersHalvesAndWhoCounts) {
  TestHome home;
  TestTournament t(home, Format::net);
  t.put(1, 1, entrant(par_golfer("baker", {{2, 3}})));
  t.put(1, 2, entrant(par_golfer("Adams", {{1, 3}, {2, 3}})));
  t.put(1, 3, entrant(par_golfer("Cole", {{3, 2}})));
  t.put(1, 4, par_golfer("Dee", {{4, 1}}));  // not in the skins game
  t.put(2, 1, entrant(golfer("Eve", {})));  // no scores yet

  SkinsResult r = compute_skins(t.state, false, 0);
  EXPECT_EQ(r.event_golfers, 5);
  EXPECT_EQ(r.entrants, 4);
  EXPECT_EQ(r.without_scores, 1);
  EXPECT_EQ(r.participants, 3);
  ASSERT_EQ(r.holes.size(), 18u);
  EXPECT_EQ(r.holes[0].holders, 1);
  EXPECT_EQ(r.holes[0].winner, "Adams");
  EXPECT_EQ(r.holes[0].low, 3);
  EXPECT_EQ(r.holes[0].par, 4);
  EXPECT_EQ(r.holes[1].holders, 2);
  EXPECT_EQ(r.holes[1].halved_by, (std::vector<std::string>{"Adams", "baker"}));
  EXPECT_EQ(r.holes[1].winner, "");
  EXPECT_EQ(r.holes[2].winner, "Cole");
  EXPECT_EQ(r.holes[2].low, 2);
  EXPECT_EQ(r.holes[2].par, 3);
  EXPECT_EQ(r.holes[3].holders, 3);  // Dee's ace is not in the game
  EXPECT_EQ(r.holes[3].low, 5);
  EXPECT_EQ(r.holes[3].halved_by, (std::vector<std::string>{"Adams", "baker", "Cole"}));

  // The scored fields were written back with the group.
  ASSERT_GT(read_record_counted(t.state, RecordKind::group, 1).value_or(0), 0);
  EXPECT_EQ(t.state.group.entries[1].gross_score, 70);
  EXPECT_EQ(t.state.group.entries[1].net_score, 70);
  EXPECT_EQ(t.state.group.entries[3].gross_score, 0);  // Dee was not scored
}

TEST(Skins, NetAtEightyPercentPlaysOffTenStrokesOfTwelve) {
  EXPECT_EQ(skins_handicap(12, 12, 80), 10);
  EXPECT_EQ(skins_handicap(14, 12, 100), 14);
  EXPECT_EQ(skins_handicap(-3, -3, 90), -3);

  TestHome home;
  TestTournament t(home, Format::net);
  t.change_header([](TournamentHeader& h) { h.division_allowance[0] = 80; });
  t.put(1, 1, entrant(par_golfer("Xavier", {}, 120)));
  t.put(1, 2, entrant(par_golfer("Yolanda", {{10, 3}}, 0)));
  SkinsResult r = compute_skins(t.state, true, 0);
  ASSERT_EQ(r.holes.size(), 18u);
  for (int hole = 1; hole <= 9; ++hole) {
    EXPECT_EQ(r.holes[hole - 1].winner, "Xavier") << hole;
    EXPECT_EQ(r.holes[hole - 1].low, r.holes[hole - 1].par - 1) << hole;
  }
  EXPECT_EQ(r.holes[9].holders, 2);  // both net 3 on hole 10
  EXPECT_EQ(r.holes[10].holders, 2);  // no eleventh stroke at 80 %
  EXPECT_EQ(r.holes[10].low, 4);
}

TEST(Skins, IncompleteGrossScoresCardTakesNoPart) {
  TestHome home;
  TestTournament t(home, Format::gross);
  t.put(1, 1, entrant(par_golfer("Full Card")));
  t.put(1, 2, entrant(par_golfer("Half Card", {{1, 2}, {5, 0}})));
  SkinsResult r = compute_skins(t.state, false, 0);
  EXPECT_EQ(r.participants, 1);
  EXPECT_EQ(r.without_scores, 0);
  EXPECT_EQ(r.holes[0].winner, "Full Card");
  EXPECT_EQ(r.holes[4].winner, "Full Card");
}

TEST(Skins, DivisionFilter) {
  TestHome home;
  TestTournament t(home, Format::net);
  t.change_header([](TournamentHeader& h) { h.division_count = 2; });
  t.put(1, 1, entrant(par_golfer("One", {{1, 3}}, 0, 'M', 1)));
  t.put(1, 2, entrant(par_golfer("Two", {}, 0, 'M', 2)));
  t.put(1, 3, par_golfer("Three", {}, 0, 'M', 2));
  SkinsResult r = compute_skins(t.state, false, 2);
  EXPECT_EQ(r.event_golfers, 2);
  EXPECT_EQ(r.participants, 1);
  EXPECT_EQ(r.holes[0].winner, "Two");
}

TEST(AcesAndDeuces, EveryOneAndTwoWhateverThePar) {
  TestHome home;
  TestTournament t(home, Format::net);
  t.change_header([](TournamentHeader& h) { h.division_count = 2; });
  t.put(1, 1, par_golfer("Ann", {{2, 1}, {4, 2}}));  // ace on a par 4, deuce on a par 5
  t.put(1, 2, par_golfer("Bob", {{3, 2}, {7, 1}}));  // deuce on a par 3, ace on a par 3
  t.put(1, 3, golfer("Cal", {}));
  t.put(2, 1, par_golfer("Dot", {{1, 1}}, 0, 'F', 2));

  AcesAndDeuces all = find_aces_and_deuces(t.state, 0).value();
  EXPECT_EQ(all.golfers, 4);
  EXPECT_EQ(all.without_scores, 1);
  ASSERT_EQ(all.aces.size(), 3u);
  EXPECT_EQ(all.aces[0].golfer, "Ann");
  EXPECT_EQ(all.aces[0].hole, 2);
  EXPECT_EQ(all.aces[1].golfer, "Bob");
  EXPECT_EQ(all.aces[1].hole, 7);
  EXPECT_EQ(all.aces[2].golfer, "Dot");
  ASSERT_EQ(all.deuces.size(), 2u);
  EXPECT_EQ(all.deuces[0].golfer, "Ann");
  EXPECT_EQ(all.deuces[0].hole, 4);
  EXPECT_EQ(all.deuces[1].golfer, "Bob");
  EXPECT_EQ(all.deuces[1].hole, 3);

  AcesAndDeuces first = find_aces_and_deuces(t.state, 1).value();
  EXPECT_EQ(first.golfers, 3);
  EXPECT_EQ(first.aces.size(), 2u);
}

}  // namespace
}  // namespace quillon::testing
