// The test reader of report tables on the markup our pages use.
#include "tests/testing/html_table.h"

#include <gtest/gtest.h>

namespace quillon::testing {
namespace {

TEST(HtmlTable, CellsOfUnquotedAndSpacedAttributes) {
  std::vector<HtmlTable> tables = html_tables(
      "<TABLE cellSpacing=0 cellPadding=0 width=470 border=0 style=\"table-layout:fixed\">\r\n"
      "<TR align=middle bgColor=#006545><TH width=1></TH><TH align=middle colspan=9><font color=#ffffff >"
      "<--- Front 9 ---></font></TH></TR>\r\n"
      "<tr><td>&nbsp</td></tr>\r\n"
      "<tr align=middle><td align = middle>2</td><td align=left>Smith &amp; Sons  </td><td>&nbsp1&nbsp;</td></tr>\r\n"
      "</TABLE>\r\n<p>outside</p>\r\n<table><tr><td>second</td></tr></table>");
  ASSERT_EQ(tables.size(), 2u);
  EXPECT_EQ(tables[0].attributes["width"], "470");
  EXPECT_EQ(tables[0].attributes["style"], "table-layout:fixed");
  ASSERT_EQ(tables[0].rows.size(), 3u);

  const HtmlRow& head = tables[0].rows[0];
  EXPECT_TRUE(head.is_header());
  EXPECT_EQ(head.attributes["bgcolor"], "#006545");
  EXPECT_EQ(texts(head), (RowTexts{"", "<--- Front 9 --->"}));
  EXPECT_EQ(colours(head), (RowTexts{"", "#ffffff"}));
  EXPECT_EQ(head.cells[1].colspan(), 9);
  EXPECT_EQ(head.cells[0].colspan(), 1);
  EXPECT_EQ(head.cells[0].attributes["width"], "1");

  EXPECT_TRUE(tables[0].rows[1].is_spacer());
  const HtmlRow& data = tables[0].rows[2];
  EXPECT_FALSE(data.is_header());
  EXPECT_EQ(texts(data), (RowTexts{"2", "Smith & Sons", "1"}));
  EXPECT_EQ(aligns(data), (RowTexts{"middle", "left", ""}));
  EXPECT_EQ(texts(tables[1].rows[0]), RowTexts{"second"});
}

TEST(HtmlTable, LinesColoursAndBoldWithinACell) {
  std::vector<HtmlTable> tables = html_tables(
      "<table><tr><td align=left><font color=#FF0000>  4</font><font color=#0000FF>  5</font>  4<br>  4  4</td>"
      "<td><b>Date</b></td><td><font color=#0000FF><b>3</b></font></td><td>&nbsp<br>+2</td>"
      "<td><font face=Arial><font color=#0000FF>x</font> y</font></td></tr></table>");
  ASSERT_EQ(tables.size(), 1u);
  const std::vector<HtmlCell>& cells = tables[0].rows[0].cells;
  ASSERT_EQ(cells.size(), 5u);
  EXPECT_EQ(cells[0].text(), "4  5  4\n4  4");
  EXPECT_EQ(cells[0].colour(), "");
  EXPECT_EQ(cells[0].coloured_texts(),
            (std::vector<std::pair<std::string, std::string>>{{"#FF0000", "4"}, {"#0000FF", "5"}}));
  EXPECT_TRUE(cells[1].bold());
  EXPECT_FALSE(cells[0].bold());
  EXPECT_EQ(cells[2].colour(), "#0000FF");
  EXPECT_TRUE(cells[2].bold());
  EXPECT_EQ(cells[3].text(), "\n+2");
  EXPECT_EQ(cells[4].text(), "x y");
  EXPECT_EQ(cells[4].colour(), "");
}

TEST(HtmlTable, ReportTablesLeaveOutTheTournamentInformation) {
  std::string page =
      "<TABLE cellSpacing=0 cellPadding=3 width=470 border=0>\r\n<TR align=middle bgColor=#006545>\r\n"
      "<TH align=middle><font color=#ffffff >Tournament Information</font></TH>\r\n</TR>\r\n</TABLE>\r\n"
      "<TABLE><TR align=middle><TD><font color=#0000FF>Spring Cup</font></TD></TR></TABLE>\r\n"
      "<TABLE><TR bgColor=#006545><TH>Golfer</TH></TR><tr><td>&nbsp</td></tr>"
      "<tr align=middle><td>Lee, Ann</td></tr><tr align=middle><td>&nbsp</td><td>&nbsp</td></tr></TABLE>";
  EXPECT_EQ(html_tables(page).size(), 3u);
  std::vector<HtmlTable> tables = report_tables(page);
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_EQ(texts(header_row(tables)), RowTexts{"Golfer"});
  // The spacer goes, a row of empty cells stays.
  EXPECT_EQ(texts(data_rows(tables)), (std::vector<RowTexts>{{"Lee, Ann"}, {"", ""}}));
}

TEST(HtmlTable, HeadingLookWantsTheBackgroundAndWhiteCaptions) {
  auto head = [](const std::string& row) { return html_tables("<table>" + row + "</table>")[0].rows[0]; };
  EXPECT_TRUE(has_heading_look(head("<TR bgColor=#006545><TH></TH><TH><font color=#ffffff>Rank</font></TH></TR>")));
  EXPECT_TRUE(has_heading_look(head("<TR bgColor=#000000><TH><font color=#ffffff>Rank</font></TH></TR>"), "#000000"));
  EXPECT_FALSE(has_heading_look(head("<TR bgColor=#000000><TH><font color=#ffffff>Rank</font></TH></TR>")));
  EXPECT_FALSE(has_heading_look(head("<TR bgColor=#006545><TH>Rank</TH></TR>")));
  EXPECT_FALSE(has_heading_look(head("<TR bgColor=#006545><TH><font color=#ffffff>Rank</font> Golfer</TH></TR>")));
}

TEST(HtmlTable, EntitiesWithAndWithoutSemicolon) {
  EXPECT_EQ(decode_entities("a&nbspb&nbsp;c &amp; &lt;x&gt; &quot;q&quot; &#65;&#x42; &unknown; &"),
            "a b c & <x> \"q\" AB &unknown; &");
}

}  // namespace
}  // namespace quillon::testing
