// Header layouts and headings of the results page by report type and format.
#include <gtest/gtest.h>

#include "report/page_frame.h"
#include "report/results_layout.h"
#include "report/results_page.h"
#include "scoring/results.h"
#include "tests/scoring/scoring_fixture.h"
#include "tests/testing/html_table.h"
#include "tournament/formats.h"

namespace quillon::testing {
namespace {

// The captions joined with '|', a spanning cell followed by "*n".
std::string captions(Format format, int type) {
  TournamentHeader h = scoring_header(format);
  std::string text;
  for (const HeaderCell& c : results_header_cells(choose_results_layout(format, type), h, type))
    text += c.caption + (c.span > 1 ? "*" + std::to_string(c.span) : "") + "|";
  return text;
}

TEST(ResultsLayout, HeaderCellsOfEveryLayout) {
  EXPECT_EQ(captions(Format::net, 1), "|Rank|Golfer|Gross|Handicap|Net|");
  EXPECT_EQ(captions(Format::net, 3), "|Rank|Golfer(s)|<--- Front 9 --->*9|Out|<--- Back 9 --->*9|In|Tot|Net|");
  EXPECT_EQ(captions(Format::gross, 3), "|Rank|Golfer(s)|<--- Front 9 --->*9|Out|<--- Back 9 --->*9|In|Tot|");
  EXPECT_EQ(captions(Format::stableford_net_par, 3),
            "|Rank|Golfer(s)|<--- Front 9 --->*9|Out|<--- Back 9 --->*9|In|Tot|Pts|");
  EXPECT_EQ(captions(Format::stableford_custom, 5),
            "|Rank|Golfer(s)|<--- Front 9 --->*9|Out|<--- Back 9 --->*9|In|Tot||");
  EXPECT_EQ(captions(Format::best_balls_stableford, 0), "|Rank|Golfers|Front 9 Points|Back 9 Points|Total|");
  EXPECT_EQ(captions(Format::ambrose, 0), "|Rank|Golfer|Gross|Handicap|Net|");
  EXPECT_EQ(captions(Format::gross, 0), "|Rank|Golfer|Score|");
  EXPECT_EQ(captions(Format::system36, 2), "|Rank|Golfer|Gross|Adj|Handicap|Net|");
  EXPECT_EQ(captions(Format::callaway, 0),
            "|Rank|Golfer|Gross|Adj|Deduct|Worst Adj Scores Excluding 18 & 17|Adj|Hcap|Net|");
  EXPECT_EQ(captions(Format::callaway_scramble, 0), captions(Format::callaway_executive, 0));
  EXPECT_EQ(captions(Format::callaway_nine, 0),
            "|Rank|Golfer|Gross|Adj|Deduct|Worst Adj Scores Excluding 18|Adj|Hcap|Net|");
  EXPECT_EQ(captions(Format::scheid, 0), "|Rank|Golfer|Gross|Adj|Deduct|Excluding 18 & 17|Adj|Hcap|Net|");
  EXPECT_EQ(captions(Format::stableford_net_bogey, 0),
            "|Rank|Golfer|Score|Handicap Index|Course Hcap|Hcap Allow|Net Hcap|Points|");
  EXPECT_EQ(captions(Format::net_with_callaway_division, 0),
            "|Rank|Golfer|Score|Handicap Index|Course Hcap|Hcap Allow|Net Hcap|Net|");
  EXPECT_EQ(captions(Format::peoria_double, 0), "|Rank|Golfer|Score|Handicap|Net|");
  EXPECT_EQ(captions(Format::best_holes_net, 0), "|Rank|Golfer|Score|Course Handicap|Diff|");
  EXPECT_EQ(captions(Format::daily_equalizer, 0), "|Rank|Golfer|Score|Handicap Index|Course Handicap|Net|");
  EXPECT_EQ(captions(Format::best_balls_net, 0),
            "|Rank|Golfer(s)|1|2|3|4|5|6|7|8|9|Out|10|11|12|13|14|15|16|17|18|In|Tot|");
}

TEST(ResultsLayout, HeaderRowsInBothSchemes) {
  std::vector<HeaderCell> cells = {HeaderCell(""), HeaderCell("Rank"), HeaderCell("<--- Front 9 --->", 9),
                                   HeaderCell("")};
  auto row_of = [](const std::string& html) {
    std::vector<HtmlTable> tables = html_tables("<table>" + html + "</table>");
    return tables.empty() || tables[0].rows.empty() ? HtmlRow{} : tables[0].rows[0];
  };
  auto spans = [](const HtmlRow& row) {
    std::vector<int> out;
    for (const HtmlCell& c : row.cells) out.push_back(c.colspan());
    return out;
  };
  HtmlRow colour = row_of(results_header_row(cells, PageStyle{true}));
  EXPECT_EQ(texts(colour), (RowTexts{"", "Rank", "<--- Front 9 --->", ""}));
  EXPECT_EQ(aligns(colour), (RowTexts{"", "middle", "middle", "middle"}));
  EXPECT_EQ(spans(colour), (std::vector<int>{1, 1, 9, 1}));
  EXPECT_EQ(colour.cells[0].attributes["width"], "1");
  EXPECT_EQ(colour.attributes["align"], "middle");
  EXPECT_TRUE(has_heading_look(colour));
  // The empty caption still carries the white font (as "&nbsp;"), the width cell nothing.
  EXPECT_EQ(colour.cells[3].runs.size(), 1u);
  EXPECT_EQ(colour.cells[3].runs[0].colour, "#ffffff");
  EXPECT_TRUE(colour.cells[0].runs.empty());

  HtmlRow black = row_of(results_header_row({HeaderCell("")}, PageStyle{false}));
  EXPECT_EQ(texts(black), RowTexts{""});
  EXPECT_EQ(black.cells[0].attributes["width"], "1");
  EXPECT_EQ(black.attributes["align"], "middle");
  EXPECT_TRUE(has_heading_look(black, "#000000"));

  HtmlRow blank = row_of(blank_header_row(cells));
  EXPECT_EQ(texts(blank), RowTexts(4, ""));
  EXPECT_TRUE(blank.is_header());
  EXPECT_EQ(spans(blank), (std::vector<int>{1, 1, 9, 1}));
  EXPECT_EQ(blank.cells[0].attributes["width"], "1");
  EXPECT_EQ(blank.attributes["bgcolor"], "");
  EXPECT_EQ(blank.attributes["align"], "");
  for (const HtmlCell& c : blank.cells) EXPECT_TRUE(c.runs.empty());
}

TEST(ResultsLayout, HeadingsByTypeAndFormat) {
  TournamentHeader h = scoring_header(Format::peoria_modified);
  EXPECT_EQ(format_description(h, 0), "Peoria Handicaps (Modified) (18,17,16,9,8,7)");
  set_format(h, Format::peoria_double);
  EXPECT_EQ(format_description(h, 0),
            std::string(format_name(Format::peoria_double)) + " (18,17,16,9,8,7,15,14,13,6,5,4)");
  h = scoring_header(Format::best_balls_gross);
  header_options::set_best_balls(h, 2);
  EXPECT_EQ(format_description(h, 0), "Best 2 Balls (Gross)");
  set_format(h, Format::best_balls_net);
  EXPECT_EQ(format_description(h, 0), "Best 2 Balls (Net)");
  set_format(h, Format::best_balls_callaway);
  EXPECT_EQ(format_description(h, 0), "Best 2 Balls (Callaway)");
  set_format(h, Format::best_balls_stableford);
  EXPECT_EQ(format_description(h, 0), "Stableford Team - Best 2 Balls");
  h = scoring_header(Format::net_with_callaway_division);
  h.division_count = 3;
  h.callaway_division = 2;
  EXPECT_EQ(format_description(h, 0), "2 Net Score Division(s), 1 Callaway Division");
  EXPECT_EQ(format_description(h, 2), "Callaway Handicaps");
  EXPECT_EQ(format_description(h, 3), "Net Scores");
  set_format(h, Format::system36);
  EXPECT_EQ(format_description(h, 1), "System 36");

  Results r;
  r.report_type = report_type::gross_and_net;
  r.gross_limit = 3;
  r.manual_winner_applied = true;
  EXPECT_EQ(results_heading_line(h, r, true),
            "<h2><font color=#006545>Alternating Gross & Net Results - System 36<br># of gross positions limited to "
            "3<br>Winner selected by committee</font></h2>");
  r.report_type = report_type::hole_by_hole_points;
  r.manual_winner_applied = false;
  EXPECT_EQ(results_heading_line(h, r, false), "<h2><font color=#000000>Hole by Hole Results - System 36</font></h2>");
  EXPECT_STREQ(results_title(report_type::hole_by_hole), "Hole by Hole Results - ");
  EXPECT_STREQ(results_title(report_type::alphabetical), "Alphabetical Results - ");
  EXPECT_STREQ(results_title(report_type::traditional), "Traditional Results - ");
}

}  // namespace
}  // namespace quillon::testing
