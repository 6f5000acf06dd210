// Team rows of the results page, one field per team layout, worked by hand:
// Ann (index 0) has a birdie 3 on hole 1 and a 6 on the par-4 hole 2; Bob
// (index 4.0, a stroke on holes 1-4) has 4 on hole 2 and a 2 on the par-3
// hole 3; Cy (0) has a 5 on the par-4 hole 5; Di (0) a birdie 3 on hole 6.
#include <gtest/gtest.h>

#include "report/results_report_commands.h"
#include "tests/report/results_fixture.h"

namespace quillon::testing {
namespace {

// Uncoloured hole cells with the out, in and total cells.
std::string plain_holes(const std::vector<int>& holes) {
  std::string cells;
  int out = 0, in = 0;
  for (std::size_t i = 0; i < holes.size(); ++i) {
    cells += "<td>" + std::to_string(holes[i]) + "</td>";
    (i < 9 ? out : in) += holes[i];
    if (i == 8) cells += "<TD>" + std::to_string(out) + "</TD>";
  }
  return cells + "<TD>" + std::to_string(in) + "</TD><TD>" + std::to_string(out + in) + "</TD>";
}

const std::vector<int> par_row = {4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};

std::vector<int> with(std::vector<int> row, std::initializer_list<std::pair<int, int>> changes) {
  for (auto [hole, value] : changes) row[hole - 1] = value;
  return row;
}

class TeamResults : public ResultsPageTest {
 protected:
  void field(Format format, bool bob_scores = true) {
    TestTournament& t = start(format, 2);
    t.put(1, 1, par_golfer("Ann", {{1, 3}, {2, 6}}, 0));
    t.put(1, 2, bob_scores ? par_golfer("Bob", {{2, 4}, {3, 2}}, 40) : golfer("Bob", {}, 40));
    t.put(2, 1, par_golfer("Cy", {{5, 5}}, 0));
    t.put(2, 2, bob_scores ? par_golfer("Di", {{6, 3}}, 0) : golfer("Di", {}, 0));
  }
  std::vector<std::string> body() { return lines_starting("<TR align=middle><TD></TD>"); }
  static std::string team_row(const char* label, const std::string& cells) {
    return std::string("<TR align=middle><TD></TD><TD></TD><TD align=left>") + label + "</TD>" + cells + "</TR>";
  }
};

TEST_F(TeamResults, BestBallNetRowPerMemberAndTeamTotals) {
  field(Format::best_balls_net);
  run_results_report_command(st(), 1607);
  std::vector<std::string> rows = body();
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0].rfind("<TR align=middle><TD></TD><TD>1</TD><TD align=left>Ann</TD><td><font color=#FF0000>3</font>"
                          "</td><td>6</td>", 0), 0u);
  EXPECT_NE(rows[0].find("<TD>37</TD><td><font color=#0000FF>4</font></td>"), std::string::npos);
  EXPECT_EQ(rows[1].rfind("<TR align=middle><TD></TD><TD></TD><TD align=left>Bob</TD>", 0), 0u);
  // Best net ball: 3 (Ann), 3 (Bob 4-1), 1 (Bob 2-1), 4 (Bob 5-1), then par.
  EXPECT_EQ(rows[2], team_row("Team Totals", plain_holes(with(par_row, {{1, 3}, {2, 3}, {3, 1}, {4, 4}}))));
  EXPECT_EQ(rows[3].rfind("<TR align=middle><TD></TD><TD>2</TD><TD align=left>Cy</TD>", 0), 0u);
  EXPECT_EQ(rows[5], team_row("Team Totals", plain_holes(with(par_row, {{6, 3}}))));
  EXPECT_NE(rows[5].find("<TD>35</TD>"), std::string::npos);
}

TEST_F(TeamResults, ATeamShortOfBallsShowsWhatItPlayedMarked) {
  TestTournament& t = start(Format::best_balls_gross, 2);
  header_options::set_best_balls(t.state.header, 2);
  EXPECT_TRUE(write_record(t.state, RecordKind::tournament, 1));
  t.put(1, 1, par_golfer("Ann", {{1, 3}}, 0));
  t.put(1, 2, par_golfer("Bob", {}, 0));
  t.put(2, 2, par_golfer("Cy", {{5, 5}}, 0));  // the first slot is vacant: one ball of two
  run_results_report_command(st(), 1607);
  std::vector<std::string> rows = body();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[3].rfind("<TR align=middle><TD></TD><TD>2</TD><TD align=left>Cy</TD>", 0), 0u);
  std::string cells;
  std::vector<int> played = with(par_row, {{5, 5}});
  int out = 0, in = 0;
  for (int hole = 1; hole <= 18; ++hole) {
    cells += "<td>" + std::to_string(played[hole - 1]) + "*</td>";
    (hole <= 9 ? out : in) += played[hole - 1];
    if (hole == 9) cells += "<TD>" + std::to_string(out) + "*</TD>";
  }
  cells += "<TD>" + std::to_string(in) + "*</TD><TD>" + std::to_string(out + in) + "*</TD>";
  EXPECT_EQ(rows[4], team_row("Team Totals", cells));
  EXPECT_NE(page_text().find("* A team short of balls: the values shown are those played."), std::string::npos);
}

TEST_F(TeamResults, StablefordTeamPointsByNineAndHoleByHole) {
  field(Format::best_balls_stableford);
  run_results_report_command(st(), 1607);
  // Custom points: par 3, birdie 4, eagle 5; the better ball of each hole.
  EXPECT_EQ(body(), (std::vector<std::string>{
                        "<TR align=middle><TD></TD><TD>1</TD><TD align=left>Ann<br>Bob</TD><TD>32</TD><TD>27</TD>"
                        "<TD>59</TD></TR>",
                        "<TR align=middle><TD></TD><TD>2</TD><TD align=left>Cy<br>Di</TD><TD>28</TD><TD>27</TD>"
                        "<TD>55</TD></TR>"}));
  run_results_report_command(st(), 1608);
  std::vector<int> points(18, 3);
  points[5] = 4;
  EXPECT_EQ(lines_starting("<TR align=middle><TD></TD><TD></TD><TD align=left>Team Points</TD>").back(),
            team_row("Team Points", plain_holes(points)));
}

TEST_F(TeamResults, ScrambleCardOfTheFirstSlotAndBlankMembers) {
  field(Format::scramble, false);
  run_results_report_command(st(), 1607);
  std::vector<std::string> rows = body();
  ASSERT_EQ(rows.size(), 6u);
  std::string no_scores;
  for (int hole = 1; hole <= 18; ++hole) no_scores += hole == 10 ? "<TD></TD><td></td>" : "<td></td>";
  EXPECT_EQ(rows[1], "<TR align=middle><TD></TD><TD></TD><TD align=left>Bob</TD>" + no_scores +
                         "<TD></TD><TD></TD></TR>");
  EXPECT_EQ(rows[2], team_row("Team Totals", plain_holes(with(par_row, {{1, 3}, {2, 6}}))));
  EXPECT_EQ(rows[3].rfind("<TR align=middle><TD></TD><TD>1</TD><TD align=left>Cy</TD>", 0), 0u);  // 73 each
  EXPECT_EQ(rows[5], team_row("Team Totals", plain_holes(with(par_row, {{5, 5}}))));
}

TEST_F(TeamResults, CallawayScrambleAndAmbroseOneRowPerTeam) {
  field(Format::callaway_scramble);
  run_results_report_command(st(), 1607);
  // The lowest ball of each hole: 3, 4, 2 on the first three holes, 70 in all.
  EXPECT_EQ(body(), (std::vector<std::string>{
                        "<TR align=middle><TD></TD><TD>1</TD><TD align=left>Ann<br>Bob</TD><TD>70</TD><TD>70</TD>"
                        "<TD>0</TD><TD></TD><TD>0</TD><TD>0</TD><TD>70</TD></TR>",
                        "<TR align=middle><TD></TD><TD>2</TD><TD align=left>Cy<br>Di</TD><TD>71</TD><TD>71</TD>"
                        "<TD>0</TD><TD></TD><TD>0</TD><TD>0</TD><TD>71</TD></TR>"}));
}

TEST_F(TeamResults, AmbroseTeamCardWithTeamHandicap) {
  field(Format::ambrose);
  run_results_report_command(st(), 1607);
  EXPECT_EQ(body(), (std::vector<std::string>{
                        "<TR align=middle><TD></TD><TD>1</TD><TD align=left>Ann<br>Bob</TD><TD>73</TD><TD>2</TD>"
                        "<TD>71</TD></TR>",
                        "<TR align=middle><TD></TD><TD>2</TD><TD align=left>Cy<br>Di</TD><TD>73</TD><TD>0</TD>"
                        "<TD>73</TD></TR>"}));
}

}  // namespace
}  // namespace quillon::testing
