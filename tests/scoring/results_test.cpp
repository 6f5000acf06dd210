// The results builder over a stored field: filters, left-out golfers, keys,
// ranks, the manual winner and the alternating gross and net list.
#include <gtest/gtest.h>

#include "core/state.h"
#include "scoring/results.h"
#include "scoring/tie_break.h"
#include "tests/scoring/scoring_fixture.h"

namespace quillon::testing {
namespace {

// A par card changed by one stroke on each of the first |gross - 72| holes.
GolferEntry shooting(const std::string& name, int gross, int index_tenths = 0, int division = 1, char gender = 'M') {
  GolferEntry g = par_golfer(name, {}, index_tenths, gender, division);
  int step = gross >= 72 ? 1 : -1;
  for (int i = 0; i < std::abs(gross - 72); ++i) g.hole_scores[i] = static_cast<std::int8_t>(g.hole_scores[i] + step);
  return g;
}

struct Line {
  std::string name;
  int rank;
  bool operator==(const Line&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Line& l) { return out << l.name << " " << l.rank; }

std::vector<Line> lines(const Results& r) {
  std::vector<Line> out;
  for (const ResultRow& row : r.rows) out.push_back({row.name, row.rank});
  return out;
}

class NetField : public ::testing::Test {
 protected:
  NetField() : t(home, Format::net, 2) {
    t.change_header([](TournamentHeader& h) { header_options::set_tie_break(h, tie_break_method::none); });
    t.put(1, 1, shooting("Dan", 75));
    t.put(1, 2, shooting("Cat", 72));
    t.put(2, 1, shooting("Bea", 72));
    t.put(2, 2, shooting("Abe", 70));
    EXPECT_TRUE(read_record(t.state, RecordKind::tournament, 1));
  }
  Results build(int type, int division = 0) {
    EXPECT_TRUE(read_record(t.state, RecordKind::tournament, 1));
    return build_results(t.state, type, division);
  }
  TestHome home;
  TestTournament t;
};

TEST_F(NetField, EqualKeysShareARankAndKeepFieldOrder) {
  Results r = build(report_type::traditional);
  ASSERT_TRUE(r.produced);
  EXPECT_EQ(lines(r), (std::vector<Line>{{"Abe", 1}, {"Cat", 2}, {"Bea", 2}, {"Dan", 4}}));
  EXPECT_EQ(r.rows[0].key.str(), "07000" + std::string(36, '0'));
  EXPECT_EQ(r.rows[1].group, 1);
  EXPECT_EQ(r.rows[1].slot, 2);
  EXPECT_TRUE(r.heading_notes().empty());
  EXPECT_TRUE(home.ui.messages.empty());
}

TEST_F(NetField, AlphabeticalKeepsTheRanks) {
  Results r = build(report_type::alphabetical);
  EXPECT_EQ(lines(r), (std::vector<Line>{{"Abe", 1}, {"Bea", 2}, {"Cat", 2}, {"Dan", 4}}));
}

TEST_F(NetField, TheManualWinnerMovesToTheTop) {
  t.put(1, 1, [] {
    GolferEntry dan = shooting("Dan", 75);
    dan.entry_flags = entry_flag::manual_winner | entry_flag::power_cart;
    return dan;
  }());
  Results r = build(report_type::traditional);
  EXPECT_TRUE(r.manual_winner_applied);
  EXPECT_EQ(lines(r), (std::vector<Line>{{"Dan", 1}, {"Abe", 2}, {"Cat", 3}, {"Bea", 3}}));
  EXPECT_EQ(r.heading_notes(), std::vector<std::string>{"<br>Winner selected by committee"});

  // The alphabetical list is sorted first; the winner then heads it.
  Results alphabetical = build(report_type::alphabetical);
  EXPECT_TRUE(alphabetical.manual_winner_applied);
  EXPECT_EQ(lines(alphabetical), (std::vector<Line>{{"Dan", 1}, {"Abe", 2}, {"Bea", 3}, {"Cat", 3}}));

  // The flights by score ignore it silently.
  Results flights = ranked_field_for_flights(t.state, 0);
  EXPECT_FALSE(flights.manual_winner_applied);
  EXPECT_EQ(flights.rows[0].name, "Abe");
  EXPECT_TRUE(home.ui.messages.empty());

  // The alternating list ignores it with a message.
  Results alternating = build(report_type::gross_and_net);
  EXPECT_FALSE(alternating.manual_winner_applied);
  EXPECT_EQ(home.ui.message_texts(),
            std::vector<std::string>{
                "The golfer (Dan) has been manually selected as the tournament winner independent of his score.\n\n"
                "The manual selection of a tournament winner does not apply when printing Alternating Gross and Net "
                "tournament results."});
}

TEST_F(NetField, AWinnerAlreadyOnTopChangesNothing) {
  t.put(2, 2, [] {
    GolferEntry abe = shooting("Abe", 70);
    abe.entry_flags = entry_flag::manual_winner;
    return abe;
  }());
  Results r = build(report_type::traditional);
  EXPECT_FALSE(r.manual_winner_applied);
  EXPECT_EQ(r.rows[0].name, "Abe");
}

TEST_F(NetField, DisqualifiedAndScorelessGolfersAreLeftOut) {
  GolferEntry eve = shooting("Eve", 60);
  eve.disqualified = 1;
  GolferEntry gus = shooting("Gus", 71);
  gus.hole_scores[9] = 0;
  GolferEntry zed = shooting("Zed", 65);
  zed.disqualified = 1;
  t.put(3, 1, zed);
  t.put(3, 2, golfer("Fay", {}));
  t.put(4, 1, gus);
  t.put(4, 2, eve);
  Results r = build(report_type::traditional);
  EXPECT_EQ(lines(r), (std::vector<Line>{{"Abe", 1}, {"Cat", 2}, {"Bea", 2}, {"Dan", 4}}));
  EXPECT_EQ(r.without_scores, 2);
  EXPECT_EQ(r.disqualified, (std::vector<std::string>{"Eve", "Zed"}));
  EXPECT_EQ(home.ui.message_texts(),
            (std::vector<std::string>{"Golfer [Gus], Hole # [10] :\n Score must be > 0 and <= 15",
                                      "Scores have not yet been entered for 2 golfer(s).  Golfers for whom scores "
                                      "have not been entered have been omitted from the report."}));
}

TEST_F(NetField, TheDivisionFilter) {
  t.change_header([](TournamentHeader& h) { h.division_count = 2; });
  t.put(3, 1, shooting("Hal", 69, 0, 2));
  t.put(3, 2, shooting("Ida", 71, 0, 2));
  EXPECT_EQ(lines(build(report_type::traditional, 2)), (std::vector<Line>{{"Hal", 1}, {"Ida", 2}}));
  EXPECT_EQ(build(report_type::traditional, 1).rows.size(), 4u);
  EXPECT_EQ(build(report_type::traditional, 0).rows.size(), 6u);
}

TEST_F(NetField, MissingRatingsStopTheReport) {
  t.put(3, 1, shooting("Joy", 80, 0, 1, 'F'));
  t.state.course = testing::scoring_tee();
  t.state.course.women_rating = 0;
  EXPECT_TRUE(write_record(t.state, RecordKind::course, 1));
  Results r = build(report_type::traditional);
  EXPECT_FALSE(r.produced);
  EXPECT_TRUE(r.rows.empty());
  EXPECT_EQ(home.ui.message_texts(),
            std::vector<std::string>{"Division 1 contains female golfers but the women's course rating information "
                                     "has not entered for the selected course/tee.\nCourse : Quarry Hills,   Tee : "
                                     "White"});

  // A disqualified woman does not count; a tee without a course name fails for men too.
  home.ui.messages.clear();
  GolferEntry joy = shooting("Joy", 80, 0, 1, 'F');
  joy.disqualified = 1;
  t.put(3, 1, joy);
  t.state.course = testing::scoring_tee();
  t.state.course.course_name[0] = '\0';
  EXPECT_TRUE(write_record(t.state, RecordKind::course, 1));
  build(report_type::traditional);
  EXPECT_EQ(home.ui.message_texts(),
            std::vector<std::string>{"Division 1 contains male golfers but the men's course rating information has "
                                     "not entered for the selected course/tee.\nCourse : ,   Tee : White"});
}

TEST_F(NetField, ReportsNotMadeForTheFormat) {
  t.change_header([](TournamentHeader& h) { set_format(h, Format::gross); });
  EXPECT_FALSE(build(report_type::gross_and_net).produced);
  t.change_header([](TournamentHeader& h) { set_format(h, Format::best_ball_four_man_net); });
  EXPECT_FALSE(build(report_type::traditional).produced);
  t.change_header([](TournamentHeader& h) { set_format(h, Format::multi_round); });
  Results multi = build(report_type::traditional);
  EXPECT_FALSE(multi.produced);
  EXPECT_TRUE(multi.multi_round);
  EXPECT_TRUE(home.ui.messages.empty());
}

TEST(Results, AlternatingGrossAndNetWithAGrossLimitOfThree) {
  TestHome home;
  TestTournament t(home, Format::net, 4);
  t.change_header([](TournamentHeader& h) {
    header_options::set_tie_break(h, tie_break_method::none);
    h.results_limit = 3;
  });
  // gross / course handicap / net
  t.put(1, 1, shooting("G1", 70, 0));  // 70 / 0 / 70
  t.put(1, 2, shooting("G2", 72, 0));  // 72 / 0 / 72
  t.put(1, 3, shooting("G3", 74, 60));  // 74 / 6 / 68
  t.put(1, 4, shooting("G4", 76, 100));  // 76 / 10 / 66
  t.put(2, 1, shooting("G5", 78, 140));  // 78 / 14 / 64
  t.put(2, 2, shooting("G6", 80, 100));  // 80 / 10 / 70
  t.put(2, 3, shooting("G7", 82, 200));  // 82 / 20 / 62
  t.put(2, 4, shooting("G8", 84, 100));  // 84 / 10 / 74
  ASSERT_TRUE(read_record(t.state, RecordKind::tournament, 1));
  Results r = build_results(t.state, report_type::gross_and_net, 0);
  ASSERT_TRUE(r.produced);
  std::vector<std::string> placed;
  for (const AlternatingPlace& p : r.places)
    placed.push_back(std::to_string(p.place) + (p.gross ? " G " : " N ") + r.rows[p.row].name);
  EXPECT_EQ(placed,
            (std::vector<std::string>{"1 G G1", "1 N G7", "2 G G2", "2 N G5", "3 G G3", "3 N G4", "4 N G6", "5 N G8"}));
  EXPECT_EQ(r.heading_notes(), std::vector<std::string>{"<br># of gross positions limited to 3"});

  t.change_header([](TournamentHeader& h) { h.results_limit = 400; });
  Results unlimited = build_results(t.state, report_type::gross_and_net, 0);
  EXPECT_TRUE(unlimited.heading_notes().empty());
  EXPECT_EQ(unlimited.places[4].gross, true);
  EXPECT_EQ(unlimited.rows[unlimited.places[6].row].name, "G6");  // 4 G
  EXPECT_EQ(unlimited.rows[unlimited.places[7].row].name, "G8");  // 4 N
}

TEST(Results, AlternatingListOfCallawayBestBallTeams) {
  TestHome home;
  TestTournament t(home, Format::best_balls_callaway, 2);
  t.change_header([](TournamentHeader& h) { header_options::set_tie_break(h, tie_break_method::none); });
  // Team A: gross best ball 70 (two birdies), no Callaway handicap.
  t.put(1, 1, par_golfer("A1", {{1, 3}, {2, 3}}));
  t.put(1, 2, par_golfer("A2"));
  // Team B: gross best ball 72, but A Callaway net of 67 for B1 (78, handicap 7).
  t.put(2, 1, par_golfer("B1", {{1, 6}, {4, 7}, {10, 5}, {18, 5}}));
  t.put(2, 2, par_golfer("B2"));
  ASSERT_TRUE(read_record(t.state, RecordKind::tournament, 1));
  Results r = build_results(t.state, report_type::gross_and_net, 0);
  ASSERT_TRUE(r.produced);
  ASSERT_EQ(r.rows.size(), 2u);
  EXPECT_EQ(r.rows[0].name, "B1");  // net 67 against 70
  EXPECT_EQ(r.rows[0].key.str().substr(0, 5), "0067 ");
  EXPECT_EQ(r.rows[1].gross_key.str().substr(0, 5), "0070 ");
  ASSERT_EQ(r.places.size(), 2u);
  EXPECT_TRUE(r.places[0].gross);
  EXPECT_EQ(r.rows[r.places[0].row].name, "A1");
  EXPECT_EQ(r.rows[r.places[1].row].name, "B1");
}

TEST(Results, CountBackTieOnSeventyTwo) {
  TestHome home;
  TestTournament t(home, Format::net, 2);
  t.put(1, 1, par_golfer("Four on 18"));
  t.put(1, 2, par_golfer("Five on 18", {{18, 5}, {17, 4}}));
  ASSERT_TRUE(read_record(t.state, RecordKind::tournament, 1));
  Results r = build_results(t.state, report_type::traditional, 0);
  EXPECT_EQ(lines(r), (std::vector<Line>{{"Five on 18", 1}, {"Four on 18", 2}}));
}

TEST(Results, StablefordFortyPointsRankAheadOfThirtySix) {
  TestHome home;
  TestTournament t(home, Format::stableford_net_bogey, 2);
  t.put(1, 1, par_golfer("Thirty-six", {{1, 8}, {2, 8}, {3, 8}, {4, 9}, {5, 8}, {6, 8}}));
  t.put(1, 2, par_golfer("Forty", {{1, 8}, {2, 8}, {3, 8}, {4, 9}, {5, 6}}));
  ASSERT_TRUE(read_record(t.state, RecordKind::tournament, 1));
  Results r = build_results(t.state, report_type::traditional, 0);
  ASSERT_EQ(r.rows.size(), 2u);
  EXPECT_EQ(r.rows[0].name, "Forty");
  EXPECT_EQ(r.rows[0].key.str().substr(0, 3), "859");
  EXPECT_EQ(r.rows[1].key.str().substr(0, 3), "863");
}

TEST(Results, TeamsAreRankedFromTheirFirstSlot) {
  TestHome home;
  TestTournament t(home, Format::best_balls_gross, 2);
  t.change_header([](TournamentHeader& h) {
    header_options::set_best_balls(h, 1);
    h.division_count = 2;
  });
  t.put(1, 1, par_golfer("A1", {{1, 5}}));
  t.put(1, 2, par_golfer("A2", {{1, 5}}));
  t.put(2, 1, par_golfer("B1", {{1, 3}}, 0, 'M', 2));
  t.put(2, 2, par_golfer("B2", {}, 0, 'M', 1));
  t.put(3, 1, golfer("C1", {}));
  t.put(3, 2, par_golfer("C2"));
  GolferEntry dq = par_golfer("D1");
  dq.disqualified = 1;
  t.put(4, 1, dq);
  ASSERT_TRUE(read_record(t.state, RecordKind::tournament, 1));
  Results all = build_results(t.state, report_type::traditional, 0);
  EXPECT_TRUE(all.teams);
  EXPECT_EQ(lines(all), (std::vector<Line>{{"B1", 1}, {"A1", 2}}));
  EXPECT_EQ(all.rows[0].key.str().substr(0, 5), "0071 ");
  ASSERT_TRUE(all.rows[0].team != nullptr);
  EXPECT_EQ(all.rows[0].team->row[0], 3);
  EXPECT_EQ(all.disqualified, std::vector<std::string>{"D1"});
  EXPECT_EQ(home.ui.message_texts(),
            std::vector<std::string>{"Scores have not yet been entered for 1 team(s).  Teams for whom scores have not "
                                     "been entered have been omitted from the report."});

  // Division 2: the mixed team B is in only when the user says so.
  home.ui.messages.clear();
  home.ui.answer(Button::no);
  Results division2 = build_results(t.state, report_type::traditional, 2);
  EXPECT_TRUE(division2.rows.empty());
  home.ui.answer(Button::yes);
  EXPECT_EQ(lines(build_results(t.state, report_type::traditional, 2)), (std::vector<Line>{{"B1", 1}}));
}

TEST(Results, TheCallawayDivisionOfTheHeaderIsKept) {
  TestHome home;
  TestTournament t(home, Format::callaway, 1);
  t.put(1, 1, par_golfer("A"));
  ASSERT_TRUE(read_record(t.state, RecordKind::tournament, 1));
  t.state.header.callaway_division = 3;
  build_results(t.state, report_type::traditional, 0);
  EXPECT_EQ(t.state.header.callaway_division, 3);
}

TEST(Results, TeamsAreScoredFromTheirNamedMembersAndShortTeamsRankInOrderBehind) {
  TestHome home;
  TestTournament t(home, Format::best_balls_gross, 3);
  t.change_header([](TournamentHeader& h) { header_options::set_best_balls(h, 2); });
  // Group 1: its first slot is vacant, the other two have the best cards.
  t.put(1, 2, par_golfer("A2", {{1, 3}}));
  t.put(1, 3, par_golfer("A3", {{1, 3}}));
  // Group 2: complete, par golfers.
  t.put(2, 1, par_golfer("B1"));
  t.put(2, 2, par_golfer("B2"));
  // Groups 3 and 4: one member each, so one ball of two is missing on every hole.
  t.put(3, 1, par_golfer("C1", {{1, 6}}));
  t.put(4, 1, par_golfer("D1", {{1, 5}}));
  // Group 5: named members without scores.
  t.put(5, 1, golfer("E1", {}));
  t.put(5, 2, golfer("E2", {}));
  ASSERT_TRUE(read_record(t.state, RecordKind::tournament, 1));
  Results r = build_results(t.state, report_type::traditional, 0);
  ASSERT_EQ(r.rows.size(), 4u);
  EXPECT_EQ(lines(r), (std::vector<Line>{{"A2", 1}, {"B1", 2}, {"D1", 3}, {"C1", 4}}));
  EXPECT_EQ(r.rows[0].key.str().substr(0, 5), "0142 ") << "3 + 3 on hole 1, then 2 x 68";
  EXPECT_EQ(r.rows[2].key.str().substr(0, 5), "1855 ") << "5 + 68 played, 18 missing balls of 99";
  EXPECT_EQ(r.rows[3].key.str().substr(0, 5), "1856 ");
  ASSERT_TRUE(r.rows[2].team != nullptr);
  EXPECT_EQ(r.rows[2].team->played_total(), 73);
  EXPECT_EQ(home.ui.message_texts(),
            std::vector<std::string>{"Scores have not yet been entered for 1 team(s).  Teams for whom scores have not "
                                     "been entered have been omitted from the report."});
}

TEST(Results, CardsThatCannotBeScoredAreNamed) {
  TestHome home;
  TestTournament t(home, Format::net);
  t.put(1, 1, par_golfer("Ann Lee", {{5, 16}}));
  t.put(1, 2, par_golfer("Bob Ray"));
  t.put(1, 3, golfer("Cy Dale", {}));
  ASSERT_TRUE(read_record(t.state, RecordKind::tournament, 1));
  Results r = build_results(t.state, report_type::traditional, 0);
  EXPECT_EQ(lines(r), (std::vector<Line>{{"Bob Ray", 1}}));
  EXPECT_EQ(r.incomplete_cards, std::vector<std::string>{"Ann Lee"});
  EXPECT_EQ(r.without_scores, 2);
}

}  // namespace
}  // namespace quillon::testing
