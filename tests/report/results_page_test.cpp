// The results page: the whole traditional page, the division and black and
// white forms, ranks shared by ties, the alternating list with a limit, the
// hole by hole colouring, the TV page with and without the marquee.
#include <gtest/gtest.h>

#include "core/scripted_ui.h"
#include "report/results_report_commands.h"
#include "tests/report/results_fixture.h"

namespace quillon::testing {
namespace {

const char* const net_header =
    "<TR align=middle bgColor=#006545><TH width=1></TH><TH align=middle><font color=#ffffff>Rank</font></TH>"
    "<TH align=middle><font color=#ffffff>Golfer</font></TH><TH align=middle><font color=#ffffff>Score</font></TH>"
    "<TH align=middle><font color=#ffffff>Handicap Index</font></TH><TH align=middle><font color=#ffffff>Course "
    "Hcap</font></TH><TH align=middle><font color=#ffffff>Hcap Allow</font></TH><TH align=middle><font "
    "color=#ffffff>Net Hcap</font></TH><TH align=middle><font color=#ffffff>Net</font></TH></TR>";

class TraditionalResults : public ResultsPageTest {
 protected:
  void SetUp() override {
    TestTournament& t = start(Format::net);
    t.put(1, 1, card("Smith & Sons", 72, 100));
    t.put(1, 2, card("<script>x</script>", 74, 100));
    t.put(1, 3, card("Carr, Al", 70, 60));
    t.put(1, 4, card("Dunn, Bo", 76, 100));
    t.put(2, 1, card("Egan, Cy", 80, 0));
    GolferEntry out = card("Zed & Co", 70, 0);
    out.disqualified = 1;
    t.put(2, 2, out);
    GolferEntry none{};
    set_field_text(none.name, "Nobody");
    t.put(2, 3, none);
  }
};

TEST_F(TraditionalResults, WholePageWithSharedRanksSpacerAndNotes) {
  run_results_report_command(st(), 1607);
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_EQ(home.ui.message_texts(),
            std::vector<std::string>{"Scores have not yet been entered for 1 golfer(s).  Golfers for whom scores have "
                                     "not been entered have been omitted from the report."});
  std::vector<std::string> expected = {
      "<html><head>",
      "<title>Quillon for Windows - HTML Report</title>",
      "</head>",
      "<body>",
      "<center>",
      "<h2><font color=#006545>Quillon for Windows</font></h2>",
      "<TABLE cellSpacing=0 cellPadding=3 width=470 border=0>",
      "<TR align=middle bgColor=#006545>",
      "<TH align=middle><font color=#ffffff >Tournament Information</font></TH>",
      "</TR>",
      "</TABLE>",
      "<TABLE cellSpacing=0 cellPadding=0 width=470 border=0>",
      "<TR align=middle><TD><font color=#0000FF>Club Championship</font></TD></TR>",
      "<TR align=middle><TD><font color=#0000FF>07-Dec-2026 - Quarry Hills</font></TD></TR>",
      "</TABLE>",
      "<hr width=470 color=#006545>",
      "<h2><font color=#006545>Traditional Results - Net Scores</font></h2>",
      "<TABLE cellSpacing=0 cellPadding=0 width=590 border=0>",
      net_header,
      "<tr><td>&nbsp</td></tr>",
      "<TR align=middle><TD></TD><TD>1</TD><TD align=left>Smith &amp; Sons</TD><TD>72</TD><TD>10.0</TD><TD>10</TD>"
      "<TD>100%</TD><TD>10</TD><TD>62</TD></TR>",
      "<TR align=middle><TD></TD><TD>2</TD><TD align=left>&lt;script&gt;x&lt;/script&gt;</TD><TD>74</TD><TD>10.0</TD>"
      "<TD>10</TD><TD>100%</TD><TD>10</TD><TD>64</TD></TR>",
      "<TR align=middle><TD></TD><TD>2</TD><TD align=left>Carr, Al</TD><TD>70</TD><TD> 6.0</TD><TD>6</TD>"
      "<TD>100%</TD><TD>6</TD><TD>64</TD></TR>",
      "<TR align=middle><TD></TD><TD>4</TD><TD align=left>Dunn, Bo</TD><TD>76</TD><TD>10.0</TD><TD>10</TD>"
      "<TD>100%</TD><TD>10</TD><TD>66</TD></TR>",
      "<TR align=middle><TD></TD><TD>5</TD><TD align=left>Egan, Cy</TD><TD>80</TD><TD></TD><TD>0</TD>"
      "<TD>100%</TD><TD>0</TD><TD>80</TD></TR>",
      "<tr><td>&nbsp</td></tr>",
      "</TABLE><br>",
      "<br>The following golfers were disqualified and excluded from the results:<br>",
      "Zed &amp; Co<br>",
      "<br>",
      "<font face=Arial size=2><center>",
      "",
      "<address>",
      "Tolvane Systems Inc.<br>",
      "1200 Fairway Drive, Suite 4, Lakeside<br>",
      "Tel : 555-0142<br>",
      "www.quillon-golf.example<br>",
      "<br>",
      "</address></font>",
      "</center>",
      "</body>",
      "</html>",
  };
  EXPECT_EQ(page_lines(), expected);
}

TEST_F(TraditionalResults, OneDivisionInBlackAndWhite) {
  st().system.flags &= ~system_flag::color_reports;
  tournament_->change_header([](TournamentHeader& h) { h.division_count = 2; });
  tournament_->put(1, 4, card("Dunn, Bo", 76, 100, 2));
  home.ui.select(SelectionKind::division, "2");
  run_results_report_command(st(), 1607);
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_EQ(page_text().find("#006545"), std::string::npos);
  EXPECT_EQ(lines_starting("<TR align=middle><TD><font color=#000000>07-Dec"),
            std::vector<std::string>{
                "<TR align=middle><TD><font color=#000000>07-Dec-2026 - Quarry Hills - Division : 2</font></TD></TR>"});
  EXPECT_EQ(lines_starting("<h2>"), (std::vector<std::string>{"<h2>Quillon for Windows</h2>",
                                                              "<h2><font color=#000000>Traditional Results - Net "
                                                              "Scores</font></h2>"}));
  EXPECT_EQ(lines_starting("<TR align=middle><TD></TD>"),
            std::vector<std::string>{"<TR align=middle><TD></TD><TD>1</TD><TD align=left>Dunn, Bo</TD><TD>76</TD>"
                                     "<TD>10.0</TD><TD>10</TD><TD>100%</TD><TD>10</TD><TD>66</TD></TR>"});
  EXPECT_EQ(lines_starting("<TR align=middle bgColor=#000000><TH width=1>").size(), 1u);
}

TEST_F(TraditionalResults, AlphabeticalKeepsRanks) {
  run_results_report_command(st(), 1609);
  std::vector<std::string> rows = lines_starting("<TR align=middle><TD></TD>");
  ASSERT_EQ(rows.size(), 5u);
  // Byte order puts '&' (the escaped '<') before the letters.
  EXPECT_EQ(rows[0].rfind("<TR align=middle><TD></TD><TD>2</TD><TD align=left>&lt;script&gt;x&lt;/script&gt;</TD>", 0), 0u);
  EXPECT_EQ(rows[1].rfind("<TR align=middle><TD></TD><TD>2</TD><TD align=left>Carr, Al</TD>", 0), 0u);
  EXPECT_EQ(rows[2].rfind("<TR align=middle><TD></TD><TD>4</TD><TD align=left>Dunn, Bo</TD>", 0), 0u);
  EXPECT_EQ(rows[3].rfind("<TR align=middle><TD></TD><TD>5</TD><TD align=left>Egan, Cy</TD>", 0), 0u);
  EXPECT_EQ(rows[4].rfind("<TR align=middle><TD></TD><TD>1</TD><TD align=left>Smith &amp; Sons</TD>", 0), 0u);
  EXPECT_NE(page_text().find("<h2><font color=#006545>Alphabetical Results - Net Scores</font></h2>"),
            std::string::npos);
}

class AlternatingResults : public ResultsPageTest {
 protected:
  void SetUp() override {
    TestTournament& t = start(Format::net);
    t.put(1, 1, card("P1", 70, -20));
    t.put(1, 2, card("P2", 72, 100));
    t.put(1, 3, card("P3", 73, 120));
    t.put(1, 4, card("P4", 74, 80));
    t.put(2, 1, card("P5", 75, 200));
    t.put(2, 2, card("P6", 76, 50));
    t.put(2, 3, card("P7", 78, 40));
  }
};

TEST_F(AlternatingResults, GrossPlacesLimitedToThree) {
  tournament_->change_header([](TournamentHeader& h) { h.results_limit = 3; });
  run_results_report_command(st(), 1615);
  EXPECT_NE(page_text().find("<h2><font color=#006545>Alternating Gross & Net Results - Net Scores<br># of gross "
                             "positions limited to 3</font></h2>"),
            std::string::npos)
      << page_text();
  std::vector<std::string> expected = {
      "<TR align=middle><TD></TD><TD>1 G</TD><TD align=left>P1</TD><TD>70</TD><TD>+2</TD><TD>72</TD></TR>",
      "<TR align=middle><TD></TD><TD>1 N</TD><TD align=left>P5</TD><TD>75</TD><TD>20</TD><TD>55</TD></TR>",
      "<TR align=middle><TD></TD><TD>2 G</TD><TD align=left>P2</TD><TD>72</TD><TD>10</TD><TD>62</TD></TR>",
      "<TR align=middle><TD></TD><TD>2 N</TD><TD align=left>P3</TD><TD>73</TD><TD>12</TD><TD>61</TD></TR>",
      "<TR align=middle><TD></TD><TD>3 G</TD><TD align=left>P4</TD><TD>74</TD><TD>8</TD><TD>66</TD></TR>",
      "<TR align=middle><TD></TD><TD>3 N</TD><TD align=left>P6</TD><TD>76</TD><TD>5</TD><TD>71</TD></TR>",
      "<TR align=middle><TD></TD><TD>4 N</TD><TD align=left>P7</TD><TD>78</TD><TD>4</TD><TD>74</TD></TR>",
  };
  EXPECT_EQ(lines_starting("<TR align=middle><TD></TD>"), expected);
}

TEST_F(AlternatingResults, NoLimitLineAt400) {
  run_results_report_command(st(), 1615);
  EXPECT_EQ(page_text().find("limited"), std::string::npos);
  EXPECT_NE(page_text().find("<TD>4 G</TD><TD align=left>P7</TD>"), std::string::npos);
}

TEST_F(ResultsPageTest, HoleByHoleColoursScoresAgainstPar) {
  TestTournament& t = start(Format::net);
  t.put(1, 1, par_golfer("Hole Man", {{2, 3}, {3, 4}, {18, 6}}, 0));
  run_results_report_command(st(), 1608);
  EXPECT_EQ(
      lines_starting("<TR align=middle><TD></TD>"),
      std::vector<std::string>{
          "<TR align=middle><TD></TD><TD>1</TD><TD align=left>Hole Man</TD>"
          "<td><font color=#0000FF>4</font></td><td><font color=#FF0000>3</font></td><td>4</td>"
          "<td><font color=#0000FF>5</font></td><td><font color=#0000FF>4</font></td><td><font color=#0000FF>4</font></td>"
          "<td><font color=#0000FF>3</font></td><td><font color=#0000FF>5</font></td><td><font color=#0000FF>4</font></td>"
          "<TD>36</TD>"
          "<td><font color=#0000FF>4</font></td><td><font color=#0000FF>4</font></td><td><font color=#0000FF>3</font></td>"
          "<td><font color=#0000FF>5</font></td><td><font color=#0000FF>4</font></td><td><font color=#0000FF>4</font></td>"
          "<td><font color=#0000FF>3</font></td><td><font color=#0000FF>5</font></td><td>6</td>"
          "<TD>38</TD><TD>74</TD><TD>74</TD></TR>"});
  EXPECT_NE(page_text().find("<h2><font color=#006545>Hole by Hole Results - Net Scores</font></h2>"),
            std::string::npos);
}

TEST_F(ResultsPageTest, StablefordHoleByHoleAsksForPoints) {
  TestTournament& t = start(Format::stableford_net_par);
  t.put(1, 1, par_golfer("Points Man", {}, 0));
  home.ui.answer(Button::yes);
  run_results_report_command(st(), 1608);
  EXPECT_EQ(home.ui.message_texts(),
            std::vector<std::string>{"The selected tournament is a Stableford tournament.  Would you like to have the "
                                     "Net scores and Stableford points shown for each golfer?"});
  std::vector<std::string> header = lines_starting("<TR align=middle bgColor=#006545><TH width=1>");
  ASSERT_EQ(header.size(), 1u);
  EXPECT_NE(header[0].find("<TH align=middle><font color=#ffffff>Tot</font></TH><TH align=middle><font "
                           "color=#ffffff>&nbsp</font></TH></TR>"),
            std::string::npos);
  EXPECT_NE(page_text().find("<TD align=left>Net</TD>"), std::string::npos);
  EXPECT_NE(page_text().find("<TD align=left>Points</TD>"), std::string::npos);
}

class TvResults : public ResultsPageTest {
 protected:
  void SetUp() override {
    TestTournament& t = start(Format::gross);
    for (int i = 0; i < 6; ++i) t.put(1 + i / 4, 1 + i % 4, card("G" + std::to_string(i + 1), 70 + i));
  }
  static constexpr const char* gross_header =
      "<TR align=middle bgColor=#006545><TH width=1></TH><TH align=middle><font color=#ffffff>Rank</font></TH>"
      "<TH align=middle><font color=#ffffff>Golfer</font></TH><TH align=middle><font color=#ffffff>Score</font></TH>"
      "</TR>";
  // Both tables take the same fixed widths, so that the captions stand over their columns.
  static constexpr const char* fixed_table =
      "<TABLE cellSpacing=0 cellPadding=0 width=441 border=0 style=\"table-layout:fixed\">";
  static constexpr const char* gross_columns = "<col width=1><col width=40><col width=160><col width=240>";
};

TEST_F(TvResults, ScrollingWindowWrapsTheBody) {
  home.ui.answer(Button::yes);
  home.ui.dialog(DialogScript{{{"scroll_amount", "5"}, {"window_height", "700"}}});
  run_results_report_command(st(), 1639);
  ASSERT_EQ(home.ui.messages.size(), 2u);
  EXPECT_EQ(home.ui.messages[0].kind, 2);
  EXPECT_EQ(home.ui.messages[1].text, "Would you like to use a scrolling window for the results");
  std::vector<std::string> part =
      lines_between("<h2><font color=#006545>Traditional Results - Gross Scores</font></h2>", "</html>");
  std::vector<std::string> expected = {
      "<h2><font color=#006545>Traditional Results - Gross Scores</font></h2>",
      fixed_table,
      gross_columns,
      gross_header,
      "</TABLE>",
      "<div align=center> <marquee scrollamount=5 direction=up height = 700 width=441> <center>",
      fixed_table,
      gross_columns,
      "<TR><TH width=1></TH><TH></TH><TH></TH><TH></TH></TR>",
      "<TR align=middle><TD></TD><TD>1</TD><TD align=left>G1</TD><TD>70</TD></TR>",
      "<TR align=middle><TD></TD><TD>2</TD><TD align=left>G2</TD><TD>71</TD></TR>",
      "<TR align=middle><TD></TD><TD>3</TD><TD align=left>G3</TD><TD>72</TD></TR>",
      "<TR align=middle><TD></TD><TD>4</TD><TD align=left>G4</TD><TD>73</TD></TR>",
      "<TR align=middle><TD></TD><TD>5</TD><TD align=left>G5</TD><TD>74</TD></TR>",
      "<tr><td>&nbsp</td></tr>",
      "<TR align=middle><TD></TD><TD>6</TD><TD align=left>G6</TD><TD>75</TD></TR>",
      "</TABLE><br>",
      "</center></marquee></div>",
      "</center>",
      "</body>",
      "</html>",
  };
  EXPECT_EQ(part, expected);
}

TEST_F(TvResults, AnsweredNoGivesTheSamePageWithoutMarquee) {
  home.ui.answer(Button::no);
  run_results_report_command(st(), 1639);
  EXPECT_EQ(page_text().find("marquee"), std::string::npos);
  EXPECT_EQ(page_text().find("Tolvane"), std::string::npos);
  EXPECT_EQ(lines_between(gross_header, "<TR><TH width=1></TH><TH></TH><TH></TH><TH></TH></TR>"),
            (std::vector<std::string>{gross_header, "</TABLE>", fixed_table, gross_columns,
                                      "<TR><TH width=1></TH><TH></TH><TH></TH><TH></TH></TR>"}));
  EXPECT_EQ(lines_starting("<TR align=middle><TD></TD>").size(), 6u);
  EXPECT_EQ(page_lines().back(), "</html>");
}

TEST_F(TvResults, CancelledSettingsDialogMeansNoScrolling) {
  home.ui.answer(Button::yes);
  home.ui.dialog(DialogScript{{}, true});
  run_results_report_command(st(), 1639);
  EXPECT_EQ(page_text().find("marquee"), std::string::npos);
  EXPECT_EQ(home.ui.opened_pages.size(), 1u);
}

}  // namespace
}  // namespace quillon::testing
