// Team formats: the per-hole combination of each format, the team totals and
// keys, teams left out, and the division check for mixed teams.
#include <gtest/gtest.h>

#include "core/state.h"
#include "scoring/division_tees.h"
#include "scoring/team_division_check.h"
#include "scoring/team_scoring.h"
#include "tests/scoring/scoring_fixture.h"

namespace quillon::testing {
namespace {

struct Team {
  TestHome home;
  TestTournament t;
  DivisionTees tees;

  Team(Format format, int group_size, int balls = 1) : t(home, format, group_size) {
    header_options::set_best_balls(t.state.header, balls);
    t.state.group = GroupBuffer{};
    EXPECT_TRUE(tees.load(t.state));
  }
  void member(int slot, const GolferEntry& g) { t.state.group.entries[slot - 1] = g; }
  TeamScore score() { return score_team(t.state, tees); }
  std::string key(const TeamScore& team) { return team_sort_key(t.state, tees, team).str(); }
};

TEST(TeamScoring, BestTwoOfFourAddsTheTwoLowestAndCountsMissingBallsAs99) {
  Team team(Format::best_balls_gross, 4, 2);
  team.member(1, par_golfer("A", {{1, 5}}));
  team.member(2, par_golfer("B", {{1, 6}}));
  team.member(3, par_golfer("C", {{1, 4}}));
  team.member(4, par_golfer("D", {{1, 5}}));
  TeamScore full = team.score();
  ASSERT_TRUE(full.scored);
  EXPECT_EQ(full.row[0], 9);
  EXPECT_EQ(full.total, 9 + 2 * 68);
  EXPECT_EQ(team.key(full).substr(0, 5), "0145 ");
  EXPECT_EQ(full.ranked[0][0], 4);
  EXPECT_EQ(full.ranked[1][0], 5);
  EXPECT_EQ(full.balls_used[0], 2);

  // C without a name and D without a score: the two remaining values count.
  team.member(3, GolferEntry{});
  team.member(4, golfer("D", {}));
  EXPECT_EQ(team.score().row[0], 11);

  // Only A left: the second ball counts 99.
  team.member(2, golfer("B", {}));
  TeamScore alone = team.score();
  EXPECT_EQ(alone.row[0], 5 + missing_ball);
  EXPECT_EQ(alone.missing[0], 1);
  EXPECT_EQ(alone.played_value(0), 5);
  EXPECT_EQ(alone.missing_total(), 18);
  EXPECT_EQ(alone.played_total(), 5 + 68);
  EXPECT_EQ(team.key(alone).substr(0, 5), "1855 ") << "5 + 68 + 18 x 99 in four digits, not held at 999";
}

TEST(TeamScoring, AGroupOfOneCountsThatGolfersValuesOnly) {
  Team team(Format::best_balls_gross, 1, 2);
  team.member(1, par_golfer("A", {{1, 5}}));
  TeamScore score = team.score();
  EXPECT_EQ(score.row[0], 5);
  EXPECT_EQ(score.total, 73);
}

// A (course handicap 10: strokes on holes 1..10) pars every hole; B makes 3
// on hole 1 and 6 on hole 2; C makes 4 on hole 3 (par 3).
void three_members(Team& team) {
  team.member(1, par_golfer("A", {}, 104));
  team.member(2, par_golfer("B", {{1, 3}, {2, 6}}));
  team.member(3, par_golfer("C", {{3, 4}}));
}

TEST(TeamScoring, EachBestBallFormatKeysTheSameTeam) {
  struct Case {
    Format format;
    const char* key_head;
  };
  const Case cases[] = {
      {Format::best_balls_gross, "0143 "},  // two lowest gross: 7, 8, 6 on holes 1..3
      {Format::best_balls_net, "0133 "},  // two lowest net: 6, 7, 5, then a stroke less on holes 4..10
      {Format::best_123_gross, "0136 "},  // 1-2-3 gross: 7, 8, 10 on holes 1..3
      {Format::best_123_net, "0126 "},  // 1-2-3 net: 6, 7, 9, then a stroke less on holes 4..10
      {Format::best_two_gross_net, "0133 "},  // 3 + 3; A lowest twice: 3 + 4 and 2 + 3; 2 x par - 1 on holes 4..10
      {Format::scramble, "072  "},  // the team card in A's entry
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("format " + std::to_string(format_code(c.format)));
    Team team(c.format, 3, 2);
    three_members(team);
    TeamScore score = team.score();
    ASSERT_TRUE(score.scored);
    EXPECT_EQ(team.key(score).substr(0, 5), c.key_head);
    const GolferEntry& a = team.t.state.group.entries[0];
    EXPECT_EQ(a.gross_score, 72);
    EXPECT_EQ(a.adjusted_gross, 72);
    EXPECT_EQ(a.course_hcap, 10);
    EXPECT_EQ(a.net_score, 62);
  }
}

TEST(TeamScoring, TieBreakDigitsComeFromTheTeamRow) {
  Team team(Format::best_balls_net, 3, 2);
  three_members(team);
  // Team values: holes 1..9 6 7 5 9 7 7 5 9 7, hole 10 7, holes 11..18 2 x par.
  TeamScore score = team.score();
  EXPECT_EQ(team.key(score),
            "0133 "
            "918993919189939192"
            "929094929290949293");

  header_options::set_tie_break(team.t.state.header, tie_break_method::last_9631);
  EXPECT_EQ(team.key(score),
            "0133 "
            "071050024008" +
                std::string(24, '0'));

  header_options::set_tie_break(team.t.state.header, tie_break_method::australian);
  EXPECT_EQ(team.key(score),
            "0133 "
            "071050024"
            "008010006008008010006008007");
}

TEST(TeamScoring, BestOneTwoThreeCountsBallsByPar) {
  Team team(Format::best_123_gross, 3);
  // Hole 1 par 4, hole 3 par 3, hole 4 par 5.
  team.member(1, par_golfer("A", {{1, 4}, {3, 3}, {4, 4}}));
  team.member(2, par_golfer("B", {{1, 5}, {3, 3}, {4, 5}}));
  team.member(3, par_golfer("C", {{1, 6}, {3, 4}, {4, 6}}));
  TeamScore score = team.score();
  EXPECT_EQ(score.row[0], 9);  // two balls on a par 4
  EXPECT_EQ(score.row[2], 10);  // three on a par 3
  EXPECT_EQ(score.row[3], 4);  // one on a par 5
  EXPECT_EQ(score.balls_used[2], 3);
}

TEST(TeamScoring, BestOneTwoThreeNetTakesStrokes) {
  Team team(Format::best_123_net, 3);
  team.member(1, par_golfer("A", {{4, 6}}, 10));  // course handicap 1: a stroke on hole 1
  team.member(2, par_golfer("B", {{4, 6}}));
  team.member(3, par_golfer("C", {{4, 6}}));
  TeamScore score = team.score();
  EXPECT_EQ(score.row[0], 3 + 4);
  EXPECT_EQ(score.row[3], 6);
}

TEST(TeamScoring, OneGrossOneNet) {
  Team team(Format::best_two_gross_net, 2);
  // A: net 3, gross 4 on hole 1; B: net 4, gross 4. A is lowest twice.
  team.member(1, par_golfer("A", {}, 10));
  team.member(2, par_golfer("B"));
  TeamScore score = team.score();
  EXPECT_EQ(score.row[0], 7);  // min(3 + 4, 4 + 4)
  EXPECT_EQ(score.row[1], 8);  // no stroke on hole 2: 4 + 4

  // A: net 4, gross 5; B: net 4, gross 4: lowest net A, lowest gross B.
  team.member(1, par_golfer("A", {{1, 5}}, 10));
  EXPECT_EQ(team.score().row[0], 8);

  // A: net 2, gross 3; B: net 5, gross 5; C: net 4, gross 4. A is lowest twice:
  // min(2 + 4, 4 + 3) = 6.
  Team three(Format::best_two_gross_net, 3);
  three.member(1, par_golfer("A", {{1, 3}}, 10));
  three.member(2, par_golfer("B", {{1, 5}}));
  three.member(3, par_golfer("C"));
  EXPECT_EQ(three.score().row[0], 6);
}

TEST(TeamScoring, BestBallNetUsesEachMembersCourseHandicap) {
  Team team(Format::best_balls_net, 2);
  team.member(1, par_golfer("A", {{1, 5}, {2, 5}}, 20));  // strokes on holes 1 and 2
  team.member(2, par_golfer("B", {{1, 5}, {2, 4}}));
  TeamScore score = team.score();
  EXPECT_EQ(score.row[0], 4);
  EXPECT_EQ(score.row[1], 4);
  EXPECT_EQ(score.total, 72);
  EXPECT_EQ(score.gross_total, 73);
}

TEST(TeamScoring, BestBallCallawayNetTakesTheMembersCallawayHandicaps) {
  Team team(Format::best_balls_callaway, 2);
  // A scores 78 for a Callaway handicap of 7: strokes on holes 1..7.
  team.member(1, par_golfer("A", {{1, 6}, {4, 7}, {10, 5}, {18, 5}}));
  team.member(2, par_golfer("B"));
  TeamScore score = team.score();
  EXPECT_EQ(team.t.state.group.entries[0].handicap_index, 70);
  EXPECT_EQ(score.row[1], 3);
  EXPECT_EQ(score.row[3], 5);
  EXPECT_EQ(score.total, 67);
}

TEST(TeamScoring, TeamStablefordAddsTheHighestPointsAndRanksMorePointsFirst) {
  Team team(Format::best_balls_stableford, 3, 2);
  team.member(1, par_golfer("A", {{1, 3}}));  // birdie: 4 points
  team.member(2, par_golfer("B", {{1, 6}}));  // double bogey: 1 point
  team.member(3, par_golfer("C"));  // par: 3 points
  TeamScore score = team.score();
  EXPECT_EQ(score.row[0], 7);
  EXPECT_EQ(score.total, 7 + 17 * 6);
  EXPECT_EQ(team.key(score).substr(0, 5), "0890 ");
  // Count back compares the team points themselves.
  EXPECT_EQ(team.key(score).substr(5, 2), "06");
}

TEST(TeamScoring, ScrambleTakesTheTeamCardOfTheFirstEntry) {
  Team team(Format::scramble, 4);
  team.member(1, par_golfer("A", {{1, 3}, {2, 3}}));
  team.member(2, par_golfer("B", {{1, 2}}));  // not the team card
  TeamScore score = team.score();
  EXPECT_EQ(score.row[0], 3);
  EXPECT_EQ(score.total, 70);
  EXPECT_EQ(team.key(score).substr(0, 5), "070  ");
}

TEST(TeamScoring, AmbroseRanksByTheTeamNetAndTheLowerTeamHandicap) {
  Team team(Format::ambrose, 2);
  team.member(1, par_golfer("A", {{1, 5}}, 104));
  team.member(2, par_golfer("B", {{1, 3}}, 155));
  TeamScore score = team.score();
  EXPECT_EQ(score.row[0], 3);  // lowest score of the group on the hole
  EXPECT_EQ(score.total, 73 - 13);
  EXPECT_EQ(team.key(score).substr(0, 5), "06013");
}

TEST(TeamScoring, AmbroseCountBackTakesTheTeamHandicapsStrokes) {
  Team team(Format::ambrose, 2);
  team.member(1, par_golfer("A", {}, 104));  // course handicap 10 on its own
  team.member(2, par_golfer("B", {}, 155));
  TeamScore score = team.score();
  std::string key = team.key(score);
  // Team handicap 13: strokes on holes 1..13 (A's 10 would stop at hole 10,
  // leaving holes 13, 12, 11 at 94, 96, 95).
  EXPECT_EQ(key.substr(0, 5), "05913");
  EXPECT_EQ(key.substr(5, 18), "959496959595979696");  // holes 18..10
  EXPECT_EQ(key.substr(23, 18), "969597969695979696");  // holes 9..1
}

TEST(TeamScoring, CallawayScrambleRanksByTheTeamCardsNet) {
  Team team(Format::callaway_scramble, 2);
  team.member(1, par_golfer("A", {{1, 6}, {4, 7}, {10, 5}, {18, 5}}));
  team.member(2, par_golfer("B", {{1, 8}, {4, 9}, {10, 6}, {18, 6}}));
  TeamScore score = team.score();
  EXPECT_EQ(score.row[0], 6);
  EXPECT_EQ(score.total, 71);
  EXPECT_EQ(team.key(score).substr(0, 5), "071  ");
}

TEST(TeamScoring, TeamsLeftOut) {
  Team team(Format::best_balls_gross, 2);
  team.member(1, golfer("A", {}));
  team.member(2, par_golfer("B"));
  EXPECT_FALSE(team.score().scored);  // the first member has no score

  GolferEntry incomplete = par_golfer("B");
  incomplete.hole_scores[9] = 0;
  team.member(1, par_golfer("A"));
  team.member(2, incomplete);
  EXPECT_FALSE(team.score().scored);  // a card that cannot be scored
  EXPECT_EQ(team.home.ui.message_texts().back(), "Golfer [B], Hole # [10] :\n Score must be > 0 and <= 15");
}

TEST(TeamScoring, BallsCountedStayWithinTheGroup) {
  TournamentHeader h = testing::scoring_header(Format::best_balls_gross, 3);
  header_options::set_best_balls(h, 5);
  EXPECT_EQ(balls_counted(h), 3);
  header_options::set_best_balls(h, 0);
  EXPECT_EQ(balls_counted(h), 1);
  set_format(h, Format::best_two_gross_net);
  EXPECT_EQ(balls_counted(h), 2);
}

class DivisionCheck : public ::testing::Test {
 protected:
  DivisionCheck() : t(home, Format::best_balls_gross, 2) {
    t.change_header([](TournamentHeader& h) { h.division_count = 3; });
    t.put(1, 1, par_golfer("A1", {}, 0, 'M', 1));
    t.put(1, 2, par_golfer("A2", {}, 0, 'M', 1));
    t.put(2, 1, par_golfer("B1", {}, 0, 'M', 2));
    t.put(2, 2, par_golfer("B2", {}, 0, 'M', 2));
    t.put(3, 1, par_golfer("C1", {}, 0, 'M', 1));
    t.put(3, 2, par_golfer("C2", {}, 0, 'M', 2));
    t.put(4, 1, par_golfer("D1", {}, 0, 'M', 3));
    t.put(4, 2, par_golfer("D2", {}, 0, 'M', 1));
    GolferEntry disqualified = par_golfer("E2", {}, 0, 'M', 2);
    disqualified.disqualified = 1;
    t.put(5, 1, par_golfer("E1", {}, 0, 'M', 1));
    t.put(5, 2, disqualified);
  }
  TestHome home;
  TestTournament t;
};

TEST_F(DivisionCheck, MixedTeamsAreAskedAboutOnce) {
  home.ui.answer(Button::yes);
  std::vector<bool> in = team_division_check(t.state, 1).value();
  EXPECT_EQ(in, (std::vector<bool>{false, true, false, true, true, true}));
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].kind, 3);
  EXPECT_EQ(home.ui.messages[0].text,
            "The selected tournament is a team event with 3 divisions.\n\nTeams (3, 4) contain 1 or more golfers in "
            "Division 1 but they also contain 1 or more golfers from another division.\n\nShould these teams be "
            "included in the Division 1 results?");

  home.ui.answer(Button::no);
  EXPECT_EQ(team_division_check(t.state, 1).value(), (std::vector<bool>{false, true, false, false, false, true}));
}

TEST(TeamDivisionCheck, NoQuestionWithoutMixedTeams) {
  TestHome home;
  TestTournament t(home, Format::best_balls_net, 2);
  t.change_header([](TournamentHeader& h) { h.division_count = 2; });
  t.put(1, 1, par_golfer("A1", {}, 0, 'M', 2));
  t.put(2, 1, par_golfer("B1", {}, 0, 'M', 1));
  t.put(2, 2, par_golfer("B2", {}, 0, 'M', 1));
  EXPECT_EQ(team_division_check(t.state, 1).value(), (std::vector<bool>{false, false, true}));
  EXPECT_TRUE(home.ui.messages.empty());
}

}  // namespace
}  // namespace quillon::testing
