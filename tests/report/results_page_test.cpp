// The results page: the whole traditional page, the division and black and
// white forms, ranks shared by ties, the alternating list with a limit, the
// hole by hole colouring, the TV page with and without the marquee.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/scripted_ui.h"
#include "report/results_report_commands.h"
#include "tests/report/results_fixture.h"

namespace quillon::testing {
namespace {

const RowTexts net_captions = {"",           "Rank",     "Golfer", "Score", "Handicap Index", "Course Hcap",
                               "Hcap Allow", "Net Hcap", "Net"};
// Results rows: only the name is aligned (left); the row centres the rest.
const RowTexts results_row_aligns = {"", "", "left", "", "", "", "", "", ""};

// The first `count` cells' texts (alignments) of a row.
RowTexts first_texts(const HtmlRow& row, std::size_t count) {
  RowTexts all = texts(row);
  all.resize(count);
  return all;
}

// Whether some row has a cell with this text and alignment.
bool has_cell(const std::vector<HtmlRow>& rows, const std::string& text, const std::string& align) {
  for (const HtmlRow& row : rows)
    for (const HtmlCell& cell : row.cells)
      if (cell.text() == text && cell.align() == align) return true;
  return false;
}

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
  EXPECT_TRUE(run_results_report_command(st(), 1607));
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_EQ(home.ui.message_texts(),
            std::vector<std::string>{"Scores have not yet been entered for 1 golfer(s).  Golfers for whom scores have "
                                     "not been entered have been omitted from the report."});
  std::vector<std::string> lines = page_lines();
  ASSERT_EQ(lines.size(), 44u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 9),
            (std::vector<std::string>{"<html><head>", "<meta charset=\"windows-1252\">",
                                      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">",
                                      "<title>Quillon for Windows - HTML Report</title>", "</head>", "<body>",
                                      "<center>", "<h2><font color=#006545>Quillon for Windows</font></h2>",
                                      "<TABLE cellSpacing=0 cellPadding=3 width=470 border=0>"}));
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 17, lines.begin() + 20),
            (std::vector<std::string>{"<hr width=470 color=#006545>",
                                      "<h2><font color=#006545>Traditional Results - Net Scores</font></h2>",
                                      "<TABLE cellSpacing=0 cellPadding=0 width=590 border=0>"}));

  std::vector<HtmlTable> all = html_tables(page_text());
  ASSERT_EQ(all.size(), 3u);
  ASSERT_EQ(all[0].rows.size(), 1u);
  EXPECT_EQ(texts(all[0].rows[0]), RowTexts{"Tournament Information"});
  EXPECT_TRUE(has_heading_look(all[0].rows[0]));
  EXPECT_EQ(texts(all[1].rows), (std::vector<RowTexts>{{"Club Championship"}, {"07-Dec-2026 - Quarry Hills"}}));
  EXPECT_EQ(colours(all[1].rows[0]), RowTexts{"#0000FF"});
  EXPECT_EQ(colours(all[1].rows[1]), RowTexts{"#0000FF"});

  const std::vector<HtmlRow>& rows = all[2].rows;
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(texts(rows[0]), net_captions);
  EXPECT_EQ(aligns(rows[0]),
            (RowTexts{"", "middle", "middle", "middle", "middle", "middle", "middle", "middle", "middle"}));
  EXPECT_EQ(rows[0].cells[0].attributes["width"], "1");
  EXPECT_TRUE(has_heading_look(rows[0]));
  EXPECT_TRUE(rows[1].is_spacer());
  std::vector<HtmlRow> ranked(rows.begin() + 2, rows.begin() + 7);
  EXPECT_EQ(texts(ranked),
            (std::vector<RowTexts>{{"", "1", "Smith & Sons", "72", "10.0", "10", "100%", "10", "62"},
                                   {"", "2", "<script>x</script>", "74", "10.0", "10", "100%", "10", "64"},
                                   {"", "2", "Carr, Al", "70", "6.0", "6", "100%", "6", "64"},
                                   {"", "4", "Dunn, Bo", "76", "10.0", "10", "100%", "10", "66"},
                                   {"", "5", "Egan, Cy", "80", "", "0", "100%", "0", "80"}}));
  EXPECT_EQ(aligns(ranked), std::vector<RowTexts>(5, results_row_aligns));
  for (const HtmlRow& row : ranked) EXPECT_EQ(row.attributes["align"], "middle");
  EXPECT_TRUE(rows[7].is_spacer());
  EXPECT_EQ(page_text().find("Smith & Sons"), std::string::npos);

  std::vector<std::string> expected_end = {
      "</TABLE><br>",
      "<br>The following golfers were disqualified and excluded from the results:<br>",
      "Zed &amp; Co<br>",
  };
  expected_end.insert(expected_end.end(), page_footer_lines.begin(), page_footer_lines.end());
  expected_end.push_back("</html>");
  EXPECT_EQ(std::vector<std::string>(lines.end() - 16, lines.end()), expected_end);
}

TEST_F(TraditionalResults, OneDivisionInBlackAndWhite) {
  st().system.flags &= ~system_flag::color_reports;
  tournament_->change_header([](TournamentHeader& h) { h.division_count = 2; });
  tournament_->put(1, 4, card("Dunn, Bo", 76, 100, 2));
  home.ui.select(SelectionKind::division, "2");
  EXPECT_TRUE(run_results_report_command(st(), 1607));
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_EQ(page_text().find("#006545"), std::string::npos);
  std::vector<HtmlTable> all = html_tables(page_text());
  ASSERT_EQ(all.size(), 3u);
  ASSERT_EQ(all[1].rows.size(), 2u);
  EXPECT_EQ(texts(all[1].rows[1]), RowTexts{"07-Dec-2026 - Quarry Hills - Division : 2"});
  EXPECT_EQ(colours(all[1].rows[1]), RowTexts{"#000000"});
  EXPECT_EQ(lines_starting("<h2>"), (std::vector<std::string>{"<h2>Quillon for Windows</h2>",
                                                              "<h2><font color=#000000>Traditional Results - Net "
                                                              "Scores</font></h2>"}));
  std::vector<HtmlRow> rows = data_rows();
  EXPECT_EQ(texts(rows), (std::vector<RowTexts>{{"", "1", "Dunn, Bo", "76", "10.0", "10", "100%", "10", "66"}}));
  EXPECT_EQ(aligns(rows), std::vector<RowTexts>{results_row_aligns});
  int black_headers = 0;
  for (const HtmlTable& table : tables())
    for (const HtmlRow& row : table.rows)
      if (row.is_header() && has_heading_look(row, "#000000")) ++black_headers;
  EXPECT_EQ(black_headers, 1);
  EXPECT_EQ(texts(header_row(tables())), net_captions);
}

TEST_F(TraditionalResults, AlphabeticalKeepsRanks) {
  EXPECT_TRUE(run_results_report_command(st(), 1609));
  std::vector<HtmlRow> rows = data_rows();
  ASSERT_EQ(rows.size(), 5u);
  // Byte order puts '&' (the escaped '<') before the letters.
  std::vector<RowTexts> names;
  for (const HtmlRow& row : rows) names.push_back(first_texts(row, 3));
  EXPECT_EQ(names, (std::vector<RowTexts>{{"", "2", "<script>x</script>"},
                                          {"", "2", "Carr, Al"},
                                          {"", "4", "Dunn, Bo"},
                                          {"", "5", "Egan, Cy"},
                                          {"", "1", "Smith & Sons"}}));
  EXPECT_EQ(aligns(rows), std::vector<RowTexts>(5, results_row_aligns));
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
  EXPECT_TRUE(run_results_report_command(st(), 1615));
  EXPECT_NE(page_text().find("<h2><font color=#006545>Alternating Gross & Net Results - Net Scores<br># of gross "
                             "positions limited to 3</font></h2>"),
            std::string::npos)
      << page_text();
  std::vector<HtmlRow> rows = data_rows();
  EXPECT_EQ(texts(rows), (std::vector<RowTexts>{{"", "1 G", "P1", "70", "+2", "72"},
                                                {"", "1 N", "P5", "75", "20", "55"},
                                                {"", "2 G", "P2", "72", "10", "62"},
                                                {"", "2 N", "P3", "73", "12", "61"},
                                                {"", "3 G", "P4", "74", "8", "66"},
                                                {"", "3 N", "P6", "76", "5", "71"},
                                                {"", "4 N", "P7", "78", "4", "74"}}));
  EXPECT_EQ(aligns(rows), std::vector<RowTexts>(7, RowTexts{"", "", "left", "", "", ""}));
}

TEST_F(AlternatingResults, NoLimitLineAt400) {
  EXPECT_TRUE(run_results_report_command(st(), 1615));
  EXPECT_EQ(page_text().find("limited"), std::string::npos);
  std::vector<RowTexts> places;
  for (const HtmlRow& row : data_rows()) places.push_back(first_texts(row, 3));
  EXPECT_NE(std::find(places.begin(), places.end(), RowTexts{"", "4 G", "P7"}), places.end());
}

TEST_F(ResultsPageTest, HoleByHoleColoursScoresAgainstPar) {
  TestTournament& t = start(Format::net);
  t.put(1, 1, par_golfer("Hole Man", {{2, 3}, {3, 4}, {18, 6}}, 0));
  EXPECT_TRUE(run_results_report_command(st(), 1608));
  std::vector<HtmlRow> rows = data_rows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(texts(rows[0]), (RowTexts{"",  "1", "Hole Man", "4", "3", "4", "5", "4", "4", "3",  "5",  "4", "36",
                                      "4", "4", "3",        "5", "4", "4", "3", "5", "6", "38", "74", "74"}));
  const std::string over = "#0000FF", under = "#FF0000";
  EXPECT_EQ(colours(rows[0]), (RowTexts{"",   "",   "",   over, under, "",   over, over, over, over, over, over, "",
                                        over, over, over, over, over,  over, over, over, "",   "",   "",   ""}));
  RowTexts hole_aligns(25, "");
  hole_aligns[2] = "left";
  EXPECT_EQ(aligns(rows[0]), hole_aligns);
  EXPECT_NE(page_text().find("<h2><font color=#006545>Hole by Hole Results - Net Scores</font></h2>"),
            std::string::npos);
}

TEST_F(ResultsPageTest, StablefordHoleByHoleAsksForPoints) {
  TestTournament& t = start(Format::stableford_net_par);
  t.put(1, 1, par_golfer("Points Man", {}, 0));
  home.ui.answer(Button::yes);
  EXPECT_TRUE(run_results_report_command(st(), 1608));
  EXPECT_EQ(home.ui.message_texts(),
            std::vector<std::string>{"The selected tournament is a Stableford tournament.  Would you like to have the "
                                     "Net scores and Stableford points shown for each golfer?"});
  std::vector<HtmlRow> headers;
  for (const HtmlTable& table : tables())
    for (const HtmlRow& row : table.rows)
      if (row.is_header() && row.attributes["bgcolor"] == "#006545") headers.push_back(row);
  ASSERT_EQ(headers.size(), 1u);
  EXPECT_TRUE(has_heading_look(headers[0]));
  RowTexts captions = texts(headers[0]), captions_align = aligns(headers[0]);
  ASSERT_GE(captions.size(), 2u);
  EXPECT_EQ(RowTexts(captions.end() - 2, captions.end()), (RowTexts{"Tot", ""}));
  EXPECT_EQ(RowTexts(captions_align.end() - 2, captions_align.end()), (RowTexts{"middle", "middle"}));
  EXPECT_TRUE(has_cell(data_rows(), "Net", "left"));
  EXPECT_TRUE(has_cell(data_rows(), "Points", "left"));
}

class TvResults : public ResultsPageTest {
 protected:
  void SetUp() override {
    TestTournament& t = start(Format::gross);
    for (int i = 0; i < 6; ++i) t.put(1 + i / 4, 1 + i % 4, card("G" + std::to_string(i + 1), 70 + i));
  }
  // Both tables take the same fixed widths, so that the captions stand over their columns.
  static constexpr const char* fixed_table =
      "<TABLE cellSpacing=0 cellPadding=0 width=441 border=0 style=\"table-layout:fixed\">";
  static constexpr const char* gross_columns = "<col width=1><col width=40><col width=160><col width=240>";

  // The two fixed tables: the captions, then the blank header row fixing the
  // column widths over the ranked rows.
  void expect_tables_of_the_tv_page() {
    std::vector<HtmlTable> list = tables();
    ASSERT_EQ(list.size(), 2u);
    for (const HtmlTable& table : list) {
      EXPECT_EQ(table.attributes["width"], "441");
      EXPECT_EQ(table.attributes["style"], "table-layout:fixed");
    }
    ASSERT_EQ(list[0].rows.size(), 1u);
    const HtmlRow& head = list[0].rows[0];
    EXPECT_EQ(texts(head), (RowTexts{"", "Rank", "Golfer", "Score"}));
    EXPECT_EQ(aligns(head), (RowTexts{"", "middle", "middle", "middle"}));
    EXPECT_EQ(head.cells[0].attributes["width"], "1");
    EXPECT_TRUE(has_heading_look(head));
    ASSERT_FALSE(list[1].rows.empty());
    const HtmlRow& blank = list[1].rows[0];
    EXPECT_TRUE(blank.is_header());
    EXPECT_EQ(texts(blank), RowTexts(4, ""));
    EXPECT_EQ(blank.attributes["bgcolor"], "");
    EXPECT_EQ(blank.cells[0].attributes["width"], "1");
  }
};

TEST_F(TvResults, ScrollingWindowWrapsTheBody) {
  home.ui.answer(Button::yes);
  home.ui.dialog(DialogScript{{{"scroll_amount", "5"}, {"window_height", "700"}}});
  EXPECT_TRUE(run_results_report_command(st(), 1639));
  ASSERT_EQ(home.ui.messages.size(), 2u);
  EXPECT_EQ(home.ui.messages[0].kind, 2);
  EXPECT_EQ(home.ui.messages[1].text, "Would you like to use a scrolling window for the results");
  std::vector<std::string> part =
      lines_between("<h2><font color=#006545>Traditional Results - Gross Scores</font></h2>", "</html>");
  ASSERT_EQ(part.size(), 21u);
  // The captions' table, then the marquee around the table of the ranked rows.
  EXPECT_EQ(std::vector<std::string>(part.begin(), part.begin() + 3),
            (std::vector<std::string>{"<h2><font color=#006545>Traditional Results - Gross Scores</font></h2>",
                                      fixed_table, gross_columns}));
  EXPECT_EQ(std::vector<std::string>(part.begin() + 4, part.begin() + 8),
            (std::vector<std::string>{"</TABLE>",
                                      "<div align=center> <marquee scrollamount=5 direction=up height = 700 "
                                      "width=441> <center>",
                                      fixed_table, gross_columns}));
  EXPECT_EQ(std::vector<std::string>(part.end() - 5, part.end()),
            (std::vector<std::string>{"</TABLE><br>", "</center></marquee></div>", "</center>", "</body>", "</html>"}));
  expect_tables_of_the_tv_page();
  const std::vector<HtmlRow> rows = tables()[1].rows;
  ASSERT_EQ(rows.size(), 8u);
  std::vector<HtmlRow> ranked(rows.begin() + 1, rows.end());
  EXPECT_EQ(texts(ranked), (std::vector<RowTexts>{{"", "1", "G1", "70"},
                                                  {"", "2", "G2", "71"},
                                                  {"", "3", "G3", "72"},
                                                  {"", "4", "G4", "73"},
                                                  {"", "5", "G5", "74"},
                                                  {""},
                                                  {"", "6", "G6", "75"}}));
  EXPECT_TRUE(ranked[5].is_spacer());
  const RowTexts row_aligns = {"", "", "left", ""};
  EXPECT_EQ(aligns(ranked),
            (std::vector<RowTexts>{row_aligns, row_aligns, row_aligns, row_aligns, row_aligns, {""}, row_aligns}));
}

TEST_F(TvResults, AnsweredNoGivesTheSamePageWithoutMarquee) {
  home.ui.answer(Button::no);
  EXPECT_TRUE(run_results_report_command(st(), 1639));
  EXPECT_EQ(page_text().find("marquee"), std::string::npos);
  EXPECT_EQ(page_text().find("Tolvane"), std::string::npos);
  // The second table follows the captions' table at once.
  std::vector<std::string> part =
      lines_between("<h2><font color=#006545>Traditional Results - Gross Scores</font></h2>", "</html>");
  ASSERT_GE(part.size(), 8u);
  part.erase(part.begin() + 3);  // the captions' row, read below
  EXPECT_EQ(std::vector<std::string>(part.begin(), part.begin() + 6),
            (std::vector<std::string>{"<h2><font color=#006545>Traditional Results - Gross Scores</font></h2>",
                                      fixed_table, gross_columns, "</TABLE>", fixed_table, gross_columns}));
  expect_tables_of_the_tv_page();
  EXPECT_EQ(data_rows().size(), 6u);
  EXPECT_EQ(page_lines().back(), "</html>");
}

TEST_F(TvResults, CancelledSettingsDialogMeansNoScrolling) {
  home.ui.answer(Button::yes);
  home.ui.dialog(DialogScript{{}, true});
  EXPECT_TRUE(run_results_report_command(st(), 1639));
  EXPECT_EQ(page_text().find("marquee"), std::string::npos);
  EXPECT_EQ(home.ui.opened_pages.size(), 1u);
}

}  // namespace
}  // namespace quillon::testing
