#include "report/page_frame.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/scripted_ui.h"
#include "report/report_page.h"
#include "report/report_table.h"
#include "report/report_writer.h"
#include "tests/report/report_fixture.h"

namespace quillon::testing {
namespace {

class PageFrame : public ReportTest {
 protected:
  std::vector<std::string> framed_page(bool colour) {
    if (colour) s.system.flags |= system_flag::color_reports;
    else s.system.flags &= static_cast<std::uint16_t>(~system_flag::color_reports);
    add_courses();
    make_tournament(1, "Spring Cup", 1);
    ReportWriter w;
    EXPECT_TRUE(open_report_page(s, w));
    PageStyle style = PageStyle::of(s);
    write_page_head(w, style);
    write_tournament_information(w, style, tournament_information(s, 0));
    write_rule(w, style);
    write_section_title(w, style, "Tee Times");
    open_table(w, 450);
    write_header_row(w, style, {header_cell(""), header_cell("Golfer", true)}, false);
    write_empty_row(w);
    write_data_row(w, {number_cell("3"), name_cell("Lee, Ann"), number_cell("")});
    close_table(w);
    write_page_footer(w, false);
    w.close();
    return page_lines();
  }
};

std::vector<std::string> with_footer(std::vector<std::string> lines) {
  lines.insert(lines.end(), page_footer_lines.begin(), page_footer_lines.end());
  return lines;
}

TEST_F(PageFrame, ColourFrameLineByLine) {
  EXPECT_EQ(framed_page(true),
            with_footer({"<html><head>",
                         "<meta charset=\"windows-1252\">",
                         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">",
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
                         "<TR align=middle><TD><font color=#0000FF>Spring Cup</font></TD></TR>",
                         "<TR align=middle><TD><font color=#0000FF>07-Dec-2026 - Pine Hills</font></TD></TR>",
                         "</TABLE>",
                         "<hr width=470 color=#006545>",
                         "<h2><font color=#006545>Tee Times</font></h2>",
                         "<TABLE cellSpacing=0 cellPadding=0 width=450 border=0>",
                         "<TR align=left bgColor=#006545><TH align=middle><font color=#ffffff>&nbsp;</font></TH>"
                         "<TH align=left><font color=#ffffff>Golfer</font></TH></TR>",
                         "<tr><td>&nbsp;</td></tr>",
                         "<tr align=middle><td align=middle>3</td><td align=left>Lee, Ann</td><td>&nbsp;</td></tr>",
                         "</TABLE>"}));
}

TEST_F(PageFrame, BlackAndWhiteFrameHasNoGreen) {
  std::vector<std::string> lines = framed_page(false);
  EXPECT_EQ(lines[7], "<h2>Quillon for Windows</h2>");
  EXPECT_EQ(lines[17], "<hr width=470>");
  EXPECT_EQ(lines[18], "<h2>Tee Times</h2>");
  std::vector<HtmlTable> all = html_tables(page_text());
  ASSERT_EQ(all.size(), 3u);
  ASSERT_EQ(all[0].rows.size(), 1u);
  EXPECT_EQ(texts(all[0].rows[0]), RowTexts{"Tournament Information"});
  EXPECT_TRUE(has_heading_look(all[0].rows[0], "#000000"));
  EXPECT_EQ(texts(all[1].rows), (std::vector<RowTexts>{{"Spring Cup"}, {"07-Dec-2026 - Pine Hills"}}));
  for (const HtmlRow& row : all[1].rows) EXPECT_EQ(colours(row), RowTexts{"#000000"});
  ASSERT_FALSE(all[2].rows.empty());
  const HtmlRow& head = all[2].rows[0];
  EXPECT_EQ(texts(head), (RowTexts{"", "Golfer"}));
  EXPECT_EQ(aligns(head), (RowTexts{"middle", "left"}));
  EXPECT_EQ(head.attributes["align"], "left");
  EXPECT_TRUE(has_heading_look(head, "#000000"));
  EXPECT_EQ(page_text().find("#006545"), std::string::npos);
  EXPECT_EQ(page_text().find("#0000FF"), std::string::npos);
}

TEST_F(PageFrame, DivisionSuffixOnlyWithSeveralDivisionsAndAFilter) {
  add_courses();
  make_tournament(1, "Spring Cup", 1);
  EXPECT_EQ(tournament_information(s, 0).suffix, "");
  s.header.division_count = 3;
  EXPECT_EQ(tournament_information(s, 0).suffix, " - Division : All");
  EXPECT_EQ(tournament_information(s, 2).suffix, " - Division : 2");
  EXPECT_EQ(tournament_information(s).suffix, "");
  EXPECT_EQ(tournament_information(s, 2).date, "07-Dec-2026");
}

TEST(ReportWriter, EscapesDataAndWritesLongLinesWhole) {
  EXPECT_EQ(html_text("<script>alert(1)</script>"), "&lt;script&gt;alert(1)&lt;/script&gt;");
  EXPECT_EQ(html_text("Smith & Sons \"Jr\""), "Smith &amp; Sons &quot;Jr&quot;");
  EXPECT_EQ(name_cell("Smith & Sons"), "<td align=left>Smith &amp; Sons</td>");
  // Letters beyond ASCII (Windows-1252 in the records) become character
  // references, so a page shows them right whatever a web server calls it.
  EXPECT_EQ(html_text("Jos\xE9 \xC1lvarez \x80 \x9F\xFF"), "Jos&#233; &#193;lvarez &#8364; &#376;&#255;");

  TestHome home;
  std::filesystem::path path = home.path() / "long.html";
  {
    ReportWriter w;
    ASSERT_TRUE(w.open(path));
    w.report_line("<td>%s</td>", std::string(900, 'x').c_str());
    w.report_line("%d-%s", 7, "end");
  }
  std::ifstream in(path, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "<td>" + std::string(900, 'x') + "</td>\r\n7-end\r\n");
}

TEST_F(PageFrame, ShowingThePageOrTheErrorWhenItWasNotMade) {
  std::ofstream(report_page_path(s)) << "old";
  s.report_page_name = "other.html";
  prepare_report_page(s);
  EXPECT_EQ(s.report_page_name, "qlwin4.html");
  EXPECT_FALSE(std::filesystem::exists(report_page_path(s)));

  EXPECT_FALSE(show_report_page(s));
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].kind, 1);
  EXPECT_EQ(home.ui.messages[0].text, page_not_created_message());
  EXPECT_TRUE(home.ui.opened_pages.empty());

  EXPECT_TRUE(run_report(s, [](State& st) {
    ReportWriter w;
    open_report_page(st, w);
    w.line("x");
    return true;
  }));
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_EQ(home.ui.opened_pages[0], (home.path() / "qlwin4.html").string());

  // A report that stopped before making a page shows neither page nor error.
  EXPECT_FALSE(run_report(s, [](State&) { return false; }));
  EXPECT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_EQ(home.ui.messages.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(report_page_path(s)));
}

}  // namespace
}  // namespace quillon::testing
