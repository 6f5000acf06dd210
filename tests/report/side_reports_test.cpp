// The skins page, the aces and deuces page and the scoring report, through
// their commands.
#include <gtest/gtest.h>

#include "core/scripted_ui.h"
#include "report/results_report_commands.h"
#include "tests/report/results_fixture.h"

namespace quillon::testing {
namespace {

GolferEntry entrant(GolferEntry g) {
  g.in_skins = 1;
  return g;
}

const char* const no_scores_text =
    "Scores have not yet been entered for 1 golfers.  Golfers for whom scores have not been entered have been "
    "omitted from the report.";

class SkinsPage : public ResultsPageTest {
 protected:
  void SetUp() override {
    TestTournament& t = start(Format::net);
    t.put(1, 1, entrant(par_golfer("Smith & Sons", {{1, 3}, {2, 3}})));
    t.put(1, 2, entrant(par_golfer("<b>bold</b>", {{2, 3}})));
    t.put(1, 3, par_golfer("Not Playing", {{3, 1}}));
    t.put(1, 4, entrant(golfer("No Card", {})));
  }
};

TEST_F(SkinsPage, GrossWithHalvesShown) {
  EXPECT_TRUE(run_results_report_command(st(), 1611));
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{no_scores_text});
  std::vector<std::string> part = lines_between("<h2><font color=#006545>Skins Results - Gross Scores</font></h2>",
                                                "<br><br><center>2 of 4 golfers participated in the skins event<br><br>"
                                                "</center>");
  ASSERT_EQ(part.size(), 3u + 2u + 4u + 16u * 4u + 1u + 1u) << page_text();
  EXPECT_EQ(part[1], "<TABLE cellSpacing=0 cellPadding=0 width=470 border=0>");
  std::vector<HtmlTable> list = tables();
  ASSERT_EQ(list.size(), 1u);
  const std::vector<HtmlRow>& rows = list[0].rows;
  // The header, hole 1 won alone, hole 2 and the sixteen others halved by two.
  ASSERT_EQ(rows.size(), 1u + 2u + 4u + 16u * 4u);
  EXPECT_EQ(texts(rows[0]), (RowTexts{"Hole", "Skin Winner", "Par", "Score"}));
  EXPECT_EQ(aligns(rows[0]), (RowTexts{"middle", "left", "middle", "middle"}));
  EXPECT_TRUE(has_heading_look(rows[0]));
  std::vector<HtmlRow> holes(rows.begin() + 1, rows.begin() + 9);
  EXPECT_EQ(texts(holes), (std::vector<RowTexts>{{""},
                                                 {"1", "Smith & Sons", "4", "3"},
                                                 {""},
                                                 {"2", "Halved by 2 golfers", "4", "3"},
                                                 {"", "<b>bold</b>", "", ""},
                                                 {"", "Smith & Sons", "", ""},
                                                 {""},
                                                 {"3", "Halved by 2 golfers", "3", "3"}}));
  const RowTexts winner = {"middle", "", "middle", "middle"};
  const RowTexts halver(4, "");
  EXPECT_EQ(aligns(holes), (std::vector<RowTexts>{{""}, winner, {""}, winner, halver, halver, {""}, winner}));
  EXPECT_FALSE(holes[4].cells[1].bold());
  EXPECT_EQ(page_text().find("Smith & Sons"), std::string::npos);
  EXPECT_EQ(part[part.size() - 2], "</TABLE>");
  EXPECT_EQ(page_lines().back(), "</body>");
}

TEST_F(SkinsPage, NetWithoutHalves) {
  EXPECT_TRUE(run_results_report_command(st(), 1614));
  EXPECT_NE(page_text().find("<h2><font color=#006545>Skins Results - Net Scores</font></h2>"), std::string::npos);
  // No golfer is listed under a halved hole.
  HtmlRow last;
  for (const HtmlRow& row : data_rows()) {
    EXPECT_NE(row.cells[0].text(), "") << texts(row)[1];
    if (row.cells[0].text() == "18") last = row;
  }
  EXPECT_EQ(texts(last), (RowTexts{"18", "Halved by 2 golfers", "4", "4"}));
  EXPECT_EQ(aligns(last), (RowTexts{"middle", "", "middle", "middle"}));
}

TEST_F(ResultsPageTest, SkinsWithoutEntrantsMakesNoPage) {
  TestTournament& t = start(Format::net);
  t.put(1, 1, par_golfer("Solo"));
  EXPECT_FALSE(run_results_report_command(st(), 1612));
  EXPECT_EQ(home.ui.message_texts(),
            std::vector<std::string>{
                "In the selected tournament there were not any golfers who entered the skins competition"});
  EXPECT_TRUE(home.ui.opened_pages.empty());
  EXPECT_FALSE(std::filesystem::exists(report_page_path(st())));
}

TEST_F(ResultsPageTest, AcesAndDeucesPage) {
  TestTournament& t = start(Format::net);
  t.put(1, 1, par_golfer("Smith & Sons", {{2, 1}, {4, 2}}));
  t.put(1, 2, par_golfer("Bob", {{3, 2}}));
  t.put(1, 3, golfer("No Card", {}));
  EXPECT_TRUE(run_results_report_command(st(), 1636));
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{no_scores_text});
  std::vector<std::string> part =
      lines_between("<h2><font color=#006545>Aces & Deuces</font></h2>", "Total number of Deuces = 2<br>");
  ASSERT_EQ(part.size(), 11u);
  EXPECT_EQ(part[1], "<TABLE cellSpacing=0 cellPadding=0 width=470 border=0>");
  EXPECT_EQ(
      std::vector<std::string>(part.end() - 4, part.end()),
      (std::vector<std::string>{"</TABLE>", "<br>", "Total number of Aces = 1<br>", "Total number of Deuces = 2<br>"}));
  std::vector<HtmlTable> list = tables();
  ASSERT_EQ(list.size(), 1u);
  ASSERT_EQ(list[0].rows.size(), 5u);
  const HtmlRow& head = list[0].rows[0];
  EXPECT_EQ(texts(head), (RowTexts{"Hole", "Golfer", "Ace or Deuce"}));
  EXPECT_EQ(aligns(head), (RowTexts{"middle", "left", "middle"}));
  EXPECT_TRUE(has_heading_look(head));
  EXPECT_TRUE(list[0].rows[1].is_spacer());
  std::vector<HtmlRow> rows = data_rows();
  EXPECT_EQ(texts(rows), (std::vector<RowTexts>{
                             {"2", "Smith & Sons", "Ace"}, {"4", "Smith & Sons", "Deuce"}, {"3", "Bob", "Deuce"}}));
  const RowTexts row_aligns = {"middle", "left", "middle"};
  EXPECT_EQ(aligns(rows), (std::vector<RowTexts>{row_aligns, row_aligns, row_aligns}));
  EXPECT_EQ(page_text().find("Smith & Sons"), std::string::npos);
}

class ScoringReport : public ResultsPageTest {
 protected:
  void SetUp() override {
    TestTournament& t = start(Format::net);
    t.put(1, 1, par_golfer("Ann & Co", {{1, 3}, {2, 3}, {4, 3}}, 20));  // two birdies, an eagle on the par 5
    t.put(1, 2, par_golfer("Bob", {{1, 3}, {2, 3}, {3, 5}}));  // two birdies, a double on the par 3
    t.put(1, 3, golfer("No Card", {}));
  }
  HtmlRow hole_row(int hole) {
    for (const HtmlRow& row : data_rows())
      if (row.cells[0].text() == std::to_string(hole)) return row;
    return HtmlRow{};
  }
  std::vector<HtmlRow> category_rows() {
    std::vector<HtmlRow> found;
    for (const HtmlRow& row : data_rows())
      if (row.cells[0].text().rfind("Most", 0) == 0) found.push_back(row);
    return found;
  }
  static inline const RowTexts hole_aligns = RowTexts(11, "middle");
};

TEST_F(ScoringReport, ByGross) {
  EXPECT_TRUE(run_results_report_command(st(), 1621));
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{no_scores_text});
  EXPECT_EQ(home.ui.messages[0].kind, 0);
  EXPECT_NE(page_text().find("<h2><font color=#006545>Tournament Scoring Report</font></h2>"), std::string::npos);
  EXPECT_NE(page_text().find("<h3><font color=#006545>Per Hole Scoring Summary</font></h3>"), std::string::npos);
  EXPECT_EQ(texts(hole_row(1)), (RowTexts{"1", "4", "0", "2", "0", "0", "0", "0", "3.0", "3", "3"}));
  EXPECT_EQ(texts(hole_row(3)), (RowTexts{"3", "3", "0", "0", "1", "0", "1", "0", "4.0", "3", "5"}));
  EXPECT_EQ(texts(hole_row(4)), (RowTexts{"4", "5", "1", "0", "1", "0", "0", "0", "4.0", "3", "5"}));
  for (int hole : {1, 3, 4}) EXPECT_EQ(aligns(hole_row(hole)), hole_aligns);
  std::vector<HtmlRow> categories = category_rows();
  EXPECT_EQ(texts(categories), (std::vector<RowTexts>{{"Most Eagles", "1", "Ann & Co"},
                                                      {"Most Birdies", "2", "Ann & Co\nBob"},
                                                      {"Most Pars", "15", "Ann & Co\nBob"},
                                                      {"Most Sub Par Holes", "3", "Ann & Co"},
                                                      {"Most Sub Bogey Holes", "18", "Ann & Co"}}));
  for (const HtmlRow& row : categories) {
    EXPECT_EQ(aligns(row), (RowTexts{"left", "middle", "left"}));
    EXPECT_EQ(row.attributes["valign"], "top");
  }
  EXPECT_EQ(page_text().find("Ann & Co"), std::string::npos);
}

TEST_F(ScoringReport, ByNetTakesTheStrokesOff) {
  EXPECT_TRUE(run_results_report_command(st(), 1622));
  // Ann receives a stroke on holes 1 and 2: her birdies become eagles.
  EXPECT_EQ(texts(hole_row(1)), (RowTexts{"1", "4", "1", "1", "0", "0", "0", "0", "3.0", "2", "3"}));
  EXPECT_EQ(aligns(hole_row(1)), hole_aligns);
  std::vector<HtmlRow> categories = category_rows();
  ASSERT_GE(categories.size(), 2u);
  EXPECT_EQ(texts(categories[0]), (RowTexts{"Most Eagles", "3", "Ann & Co"}));
  EXPECT_EQ(texts(categories[1]), (RowTexts{"Most Birdies", "2", "Bob"}));
  EXPECT_EQ(aligns(categories[0]), (RowTexts{"left", "middle", "left"}));
}

TEST_F(ResultsPageTest, ScoringReportWithoutAnyScores) {
  TestTournament& t = start(Format::net);
  t.put(1, 1, golfer("No Card", {}));
  EXPECT_FALSE(run_results_report_command(st(), 1621));
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{no_scores_text});
  EXPECT_TRUE(home.ui.opened_pages.empty());
  EXPECT_FALSE(std::filesystem::exists(report_page_path(st())));
}

}  // namespace
}  // namespace quillon::testing
