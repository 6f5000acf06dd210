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
  run_results_report_command(st(), 1611);
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{no_scores_text});
  std::vector<std::string> part = lines_between("<h2><font color=#006545>Skins Results - Gross Scores</font></h2>",
                                                "<br><br><center>2 of 4 golfers participated in the skins event<br><br>"
                                                "</center>");
  ASSERT_EQ(part.size(), 3u + 2u + 4u + 16u * 4u + 1u + 1u) << page_text();
  std::vector<std::string> head(part.begin(), part.begin() + 11);
  std::vector<std::string> expected = {
      "<h2><font color=#006545>Skins Results - Gross Scores</font></h2>",
      "<TABLE cellSpacing=0 cellPadding=0 width=470 border=0>",
      "<TR align=middle bgColor=#006545><TH align=middle><font color=#ffffff>Hole</font></TH><TH align=left><font "
      "color=#ffffff>Skin Winner</font></TH><TH align=middle><font color=#ffffff>Par</font></TH><TH "
      "align=middle><font color=#ffffff>Score</font></TH></TR>",
      "<tr><td>&nbsp</td></tr>",
      "<tr><td align=middle> 1</td><td>Smith &amp; Sons         </td><td align=middle>4</td><td align=middle> "
      "3</td></tr>",
      "<tr><td>&nbsp</td></tr>",
      "<tr><td align=middle> 2</td><td>Halved by 2 golfers      </td><td align=middle>4</td><td align=middle> "
      "3</td></tr>",
      "<tr><td></td><td>&lt;b&gt;bold&lt;/b&gt;  </td><td></td><td></td></tr>",
      "<tr><td></td><td>Smith &amp; Sons         </td><td></td><td></td></tr>",
      "<tr><td>&nbsp</td></tr>",
      "<tr><td align=middle> 3</td><td>Halved by 2 golfers      </td><td align=middle>3</td><td align=middle> "
      "3</td></tr>",
  };
  EXPECT_EQ(head, expected);
  EXPECT_EQ(part[part.size() - 2], "</TABLE>");
  EXPECT_EQ(page_lines().back(), "</body>");
}

TEST_F(SkinsPage, NetWithoutHalves) {
  run_results_report_command(st(), 1614);
  EXPECT_NE(page_text().find("<h2><font color=#006545>Skins Results - Net Scores</font></h2>"), std::string::npos);
  EXPECT_EQ(page_text().find("<tr><td></td><td>"), std::string::npos);
  EXPECT_NE(page_text().find("<tr><td align=middle>18</td><td>Halved by 2 golfers      </td><td align=middle>4</td>"
                             "<td align=middle> 4</td></tr>"),
            std::string::npos);
}

TEST_F(ResultsPageTest, SkinsWithoutEntrantsMakesNoPage) {
  TestTournament& t = start(Format::net);
  t.put(1, 1, par_golfer("Solo"));
  run_results_report_command(st(), 1612);
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
  run_results_report_command(st(), 1636);
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{no_scores_text});
  std::vector<std::string> expected = {
      "<h2><font color=#006545>Aces & Deuces</font></h2>",
      "<TABLE cellSpacing=0 cellPadding=0 width=470 border=0>",
      "<TR align=middle bgColor=#006545><TH align=middle><font color=#ffffff>Hole</font></TH><TH align=left><font "
      "color=#ffffff>Golfer</font></TH><TH align=middle><font color=#ffffff>Ace or Deuce</font></TH></TR>",
      "<tr><td>&nbsp</td></tr>",
      "<tr align=middle><td align = middle>2</td><td align=left>Smith &amp; Sons</td><td align = middle>Ace</td></tr>",
      "<tr align=middle><td align = middle>4</td><td align=left>Smith &amp; Sons</td><td align = "
      "middle>Deuce</td></tr>",
      "<tr align=middle><td align = middle>3</td><td align=left>Bob</td><td align = middle>Deuce</td></tr>",
      "</TABLE>",
      "<br>",
      "Total number of Aces = 1<br>",
      "Total number of Deuces = 2<br>",
  };
  EXPECT_EQ(lines_between(expected.front(), expected.back()), expected);
}

class ScoringReport : public ResultsPageTest {
 protected:
  void SetUp() override {
    TestTournament& t = start(Format::net);
    t.put(1, 1, par_golfer("Ann & Co", {{1, 3}, {2, 3}, {4, 3}}, 20));  // two birdies, an eagle on the par 5
    t.put(1, 2, par_golfer("Bob", {{1, 3}, {2, 3}, {3, 5}}));           // two birdies, a double on the par 3
    t.put(1, 3, golfer("No Card", {}));
  }
  std::string hole_row(int hole) {
    for (const auto& l : lines_starting("<tr align=middle><td align=middle>" + std::to_string(hole) + "</td>"))
      return l;
    return "";
  }
  std::vector<std::string> category_rows() { return lines_starting("<tr align=middle valign=top><td align=left>Most"); }
};

TEST_F(ScoringReport, ByGross) {
  run_results_report_command(st(), 1621);
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{no_scores_text});
  EXPECT_EQ(home.ui.messages[0].kind, 0);
  EXPECT_NE(page_text().find("<h2><font color=#006545>Tournament Scoring Report</font></h2>"), std::string::npos);
  EXPECT_NE(page_text().find("<h3><font color=#006545>Per Hole Scoring Summary</font></h3>"), std::string::npos);
  EXPECT_EQ(hole_row(1),
            "<tr align=middle><td align=middle>1</td><td align=middle>4</td><td align=middle>0</td><td "
            "align=middle>2</td><td align=middle>0</td><td align=middle>0</td><td align=middle>0</td><td "
            "align=middle>0</td><td align=middle> 3.0</td><td align=middle>3</td><td align=middle>3</td></tr>");
  EXPECT_EQ(hole_row(3),
            "<tr align=middle><td align=middle>3</td><td align=middle>3</td><td align=middle>0</td><td "
            "align=middle>0</td><td align=middle>1</td><td align=middle>0</td><td align=middle>1</td><td "
            "align=middle>0</td><td align=middle> 4.0</td><td align=middle>3</td><td align=middle>5</td></tr>");
  EXPECT_EQ(hole_row(4),
            "<tr align=middle><td align=middle>4</td><td align=middle>5</td><td align=middle>1</td><td "
            "align=middle>0</td><td align=middle>1</td><td align=middle>0</td><td align=middle>0</td><td "
            "align=middle>0</td><td align=middle> 4.0</td><td align=middle>3</td><td align=middle>5</td></tr>");
  std::vector<std::string> expected = {
      "<tr align=middle valign=top><td align=left>Most Eagles</td><td align=middle>1</td><td align=left>Ann &amp; Co</td></tr>",
      "<tr align=middle valign=top><td align=left>Most Birdies</td><td align=middle>2</td><td align=left>Ann &amp; "
      "Co<br>Bob</td></tr>",
      "<tr align=middle valign=top><td align=left>Most Pars</td><td align=middle>15</td><td align=left>Ann &amp; "
      "Co<br>Bob</td></tr>",
      "<tr align=middle valign=top><td align=left>Most Sub Par Holes</td><td align=middle>3</td><td align=left>Ann &amp; "
      "Co</td></tr>",
      "<tr align=middle valign=top><td align=left>Most Sub Bogey Holes</td><td align=middle>18</td><td align=left>Ann &amp; "
      "Co</td></tr>",
  };
  EXPECT_EQ(category_rows(), expected);
}

TEST_F(ScoringReport, ByNetTakesTheStrokesOff) {
  run_results_report_command(st(), 1622);
  // Ann receives a stroke on holes 1 and 2: her birdies become eagles.
  EXPECT_EQ(hole_row(1),
            "<tr align=middle><td align=middle>1</td><td align=middle>4</td><td align=middle>1</td><td "
            "align=middle>1</td><td align=middle>0</td><td align=middle>0</td><td align=middle>0</td><td "
            "align=middle>0</td><td align=middle> 3.0</td><td align=middle>2</td><td align=middle>3</td></tr>");
  EXPECT_EQ(category_rows()[0],
            "<tr align=middle valign=top><td align=left>Most Eagles</td><td align=middle>3</td><td align=left>Ann &amp; Co</td></tr>");
  EXPECT_EQ(category_rows()[1],
            "<tr align=middle valign=top><td align=left>Most Birdies</td><td align=middle>2</td><td align=left>Bob</td></tr>");
}

TEST_F(ResultsPageTest, ScoringReportWithoutAnyScores) {
  TestTournament& t = start(Format::net);
  t.put(1, 1, golfer("No Card", {}));
  run_results_report_command(st(), 1621);
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{no_scores_text});
  EXPECT_TRUE(home.ui.opened_pages.empty());
  EXPECT_FALSE(std::filesystem::exists(report_page_path(st())));
}

}  // namespace
}  // namespace quillon::testing
