// Team rows of the results page, one field per team layout, worked by hand:
// Ann (index 0) has a birdie 3 on hole 1 and a 6 on the par-4 hole 2; Bob
// (index 4.0, a stroke on holes 1-4) has 4 on hole 2 and a 2 on the par-3
// hole 3; Cy (0) has a 5 on the par-4 hole 5; Di (0) a birdie 3 on hole 6.
#include <gtest/gtest.h>

#include "report/results_report_commands.h"
#include "tests/report/results_fixture.h"

namespace quillon::testing {
namespace {

// The hole cells with the out, in and total cells; `mark` follows each value.
RowTexts hole_cells(const std::vector<int>& holes, const std::string& mark = "") {
  RowTexts cells;
  int out = 0, in = 0;
  for (std::size_t i = 0; i < holes.size(); ++i) {
    cells.push_back(std::to_string(holes[i]) + mark);
    (i < 9 ? out : in) += holes[i];
    if (i == 8) cells.push_back(std::to_string(out) + mark);
  }
  cells.push_back(std::to_string(in) + mark);
  cells.push_back(std::to_string(out + in) + mark);
  return cells;
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
  std::vector<HtmlRow> body() { return data_rows(); }
  // A team's row: no rank, the label and the cells.
  static RowTexts team_row(const char* label, const RowTexts& cells) {
    RowTexts row = {"", "", label};
    row.insert(row.end(), cells.begin(), cells.end());
    return row;
  }
  // Only the name or label is aligned (left); a team row is not coloured.
  static RowTexts name_aligned(std::size_t cells) {
    RowTexts align(cells, "");
    align[2] = "left";
    return align;
  }
  static void expect_plain_team_row(const HtmlRow& row, const char* label, const RowTexts& cells) {
    EXPECT_EQ(texts(row), team_row(label, cells));
    EXPECT_EQ(aligns(row), name_aligned(row.cells.size()));
    EXPECT_EQ(colours(row), RowTexts(row.cells.size(), ""));
  }
  static RowTexts first_texts(const HtmlRow& row, std::size_t count) {
    RowTexts all = texts(row);
    all.resize(count);
    return all;
  }
};

TEST_F(TeamResults, BestBallNetRowPerMemberAndTeamTotals) {
  field(Format::best_balls_net);
  EXPECT_TRUE(run_results_report_command(st(), 1607));
  std::vector<HtmlRow> rows = body();
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(first_texts(rows[0], 5), (RowTexts{"", "1", "Ann", "3", "6"}));
  EXPECT_EQ(aligns(rows[0]), name_aligned(rows[0].cells.size()));
  EXPECT_EQ(colours(rows[0])[3], "#FF0000");
  EXPECT_EQ(colours(rows[0])[4], "");
  // The out total, then hole 10 in blue.
  EXPECT_EQ(texts(rows[0])[12], "37");
  EXPECT_EQ(texts(rows[0])[13], "4");
  EXPECT_EQ(colours(rows[0])[13], "#0000FF");
  EXPECT_EQ(first_texts(rows[1], 3), (RowTexts{"", "", "Bob"}));
  // Best net ball: 3 (Ann), 3 (Bob 4-1), 1 (Bob 2-1), 4 (Bob 5-1), then par.
  expect_plain_team_row(rows[2], "Team Totals", hole_cells(with(par_row, {{1, 3}, {2, 3}, {3, 1}, {4, 4}})));
  EXPECT_EQ(first_texts(rows[3], 3), (RowTexts{"", "2", "Cy"}));
  expect_plain_team_row(rows[5], "Team Totals", hole_cells(with(par_row, {{6, 3}})));
  EXPECT_EQ(texts(rows[5])[12], "35");
}

TEST_F(TeamResults, ATeamShortOfBallsShowsWhatItPlayedMarked) {
  TestTournament& t = start(Format::best_balls_gross, 2);
  header_options::set_best_balls(t.state.header, 2);
  EXPECT_TRUE(write_record(t.state, RecordKind::tournament, 1));
  t.put(1, 1, par_golfer("Ann", {{1, 3}}, 0));
  t.put(1, 2, par_golfer("Bob", {}, 0));
  t.put(2, 2, par_golfer("Cy", {{5, 5}}, 0));  // the first slot is vacant: one ball of two
  EXPECT_TRUE(run_results_report_command(st(), 1607));
  std::vector<HtmlRow> rows = body();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(first_texts(rows[3], 3), (RowTexts{"", "2", "Cy"}));
  expect_plain_team_row(rows[4], "Team Totals", hole_cells(with(par_row, {{5, 5}}), "*"));
  EXPECT_NE(page_text().find("* A team short of balls: the values shown are those played."), std::string::npos);
}

TEST_F(TeamResults, StablefordTeamPointsByNineAndHoleByHole) {
  field(Format::best_balls_stableford);
  EXPECT_TRUE(run_results_report_command(st(), 1607));
  // Custom points: par 3, birdie 4, eagle 5; the better ball of each hole.
  std::vector<HtmlRow> rows = body();
  EXPECT_EQ(texts(rows),
            (std::vector<RowTexts>{{"", "1", "Ann\nBob", "32", "27", "59"}, {"", "2", "Cy\nDi", "28", "27", "55"}}));
  EXPECT_EQ(aligns(rows), std::vector<RowTexts>(2, name_aligned(6)));
  EXPECT_TRUE(run_results_report_command(st(), 1608));
  std::vector<int> points(18, 3);
  points[5] = 4;
  HtmlRow team_points;
  for (const HtmlRow& row : body())
    if (row.cells.size() > 2 && row.cells[2].text() == "Team Points") team_points = row;
  expect_plain_team_row(team_points, "Team Points", hole_cells(points));
}

TEST_F(TeamResults, ScrambleCardOfTheFirstSlotAndBlankMembers) {
  field(Format::scramble, false);
  EXPECT_TRUE(run_results_report_command(st(), 1607));
  std::vector<HtmlRow> rows = body();
  ASSERT_EQ(rows.size(), 6u);
  // Eighteen holes, out, in and total: all empty.
  expect_plain_team_row(rows[1], "Bob", RowTexts(21, ""));
  expect_plain_team_row(rows[2], "Team Totals", hole_cells(with(par_row, {{1, 3}, {2, 6}})));
  EXPECT_EQ(first_texts(rows[3], 3), (RowTexts{"", "1", "Cy"}));  // 73 each
  expect_plain_team_row(rows[5], "Team Totals", hole_cells(with(par_row, {{5, 5}})));
}

TEST_F(TeamResults, CallawayScrambleAndAmbroseOneRowPerTeam) {
  field(Format::callaway_scramble);
  EXPECT_TRUE(run_results_report_command(st(), 1607));
  // The lowest ball of each hole: 3, 4, 2 on the first three holes, 70 in all.
  std::vector<HtmlRow> rows = body();
  EXPECT_EQ(texts(rows), (std::vector<RowTexts>{{"", "1", "Ann\nBob", "70", "70", "0", "", "0", "0", "70"},
                                                {"", "2", "Cy\nDi", "71", "71", "0", "", "0", "0", "71"}}));
  EXPECT_EQ(aligns(rows), std::vector<RowTexts>(2, name_aligned(10)));
}

TEST_F(TeamResults, AmbroseTeamCardWithTeamHandicap) {
  field(Format::ambrose);
  EXPECT_TRUE(run_results_report_command(st(), 1607));
  std::vector<HtmlRow> rows = body();
  EXPECT_EQ(texts(rows),
            (std::vector<RowTexts>{{"", "1", "Ann\nBob", "73", "2", "71"}, {"", "2", "Cy\nDi", "73", "0", "73"}}));
  EXPECT_EQ(aligns(rows), std::vector<RowTexts>(2, name_aligned(6)));
}

}  // namespace
}  // namespace quillon::testing
