#include "report/golfer_list_report.h"

#include <gtest/gtest.h>

#include "core/scripted_ui.h"
#include "report/field_report_commands.h"
#include "tests/report/club_field.h"

namespace quillon::testing {
namespace {

using GolferList = ClubField;

const char* const script_row =
    "<tr align=middle><td>&nbsp</td><td align=middle>&nbsp%d&nbsp</td>"
    "<td align=left>&lt;script&gt;alert(1)&lt;/script&gt;</td><td align=left>Blue</td><td align=middle> 5.0</td>"
    "<td align=middle>5</td><td align=middle>1</td><td align=middle>08:00</td><td>&nbsp</td><td>&nbsp</td></tr>";
const char* const adams_row =
    "<tr align=middle><td>&nbsp</td><td align=middle>&nbsp%d&nbsp</td><td align=left>adams, Jim</td>"
    "<td align=left>Blue</td><td align=middle>+2.0</td><td align=middle>+2</td><td align=middle>1</td>"
    "<td align=middle>08:00</td><td>&nbsp</td><td align=middle>Y</td></tr>";
const char* const brown_row =
    "<tr align=middle><td>&nbsp</td><td align=middle>&nbsp%d&nbsp</td><td align=left>Brown, Ann</td>"
    "<td align=left>Blue</td><td align=middle>20.0</td><td align=middle>20</td><td align=middle>2</td>"
    "<td align=middle>08:07:30</td><td align=middle>Y</td><td>&nbsp</td></tr>";
const char* const smith_row =
    "<tr align=middle><td>&nbsp</td><td align=middle>&nbsp%d&nbsp</td><td align=left>Smith &amp; Sons</td>"
    "<td align=left>Blue</td><td align=middle>12.4</td><td align=middle>12</td><td align=middle>1</td>"
    "<td align=middle>08:00</td><td align=middle>Y</td><td>&nbsp</td></tr>";
const char* const zed_row =
    "<tr align=middle><td>&nbsp</td><td align=middle>&nbsp%d&nbsp</td><td align=left>Zed, Zoe</td>"
    "<td align=left>Blue</td><td align=middle> 0.0</td><td align=middle>0</td><td align=middle>2</td>"
    "<td align=middle>08:07:30</td><td>&nbsp</td><td>&nbsp</td></tr>";

std::string numbered(const char* row, int n) {
  std::string text = row;
  return text.replace(text.find("%d"), 2, std::to_string(n));
}

std::vector<std::string> rows(std::initializer_list<const char*> order) {
  std::vector<std::string> out;
  int n = 0;
  for (const char* r : order) out.push_back(numbered(r, ++n));
  return out;
}

TEST_F(GolferList, AlphabeticalCommandWritesTheWholePage) {
  run_field_report_command(s, 1627);
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_TRUE(home.ui.messages.empty());
  EXPECT_EQ(lines_between("<hr width=470 color=#006545>", "</TABLE>"),
            (std::vector<std::string>{
                "<hr width=470 color=#006545>",
                "<h2><font color=#006545>Golfer Information - Sorted by Name</font></h2>",
                "<TABLE cellSpacing=0 cellPadding=0 width=700 border=0>",
                "<TR align=middle bgColor=#006545><TH align=middle><font color=#ffffff>&nbsp</font></TH>"
                "<TH align=middle><font color=#ffffff>&nbsp</font></TH><TH align=left><font color=#ffffff>Golfer</font></TH>"
                "<TH align=left><font color=#ffffff>Tee</font></TH><TH align=middle><font color=#ffffff>Hcap Index</font></TH>"
                "<TH align=middle><font color=#ffffff>Course Hcap</font></TH><TH align=middle><font color=#ffffff>Group</font></TH>"
                "<TH align=middle><font color=#ffffff>Time</font></TH><TH align=middle><font color=#ffffff>Member</font></TH>"
                "<TH align=middle><font color=#ffffff>Lon</font></TH></TR>",
                "<tr><td>&nbsp</td></tr>", numbered(script_row, 1), numbered(adams_row, 2), numbered(brown_row, 3),
                numbered(smith_row, 4), numbered(zed_row, 5), "</TABLE>"}));
  EXPECT_EQ(page_lines().back(), "</html>");
  // The typed names show as text: nothing of them can open a tag.
  EXPECT_EQ(page_text().find("<script>"), std::string::npos);
  EXPECT_EQ(page_text().find("Smith & Sons"), std::string::npos);
}

TEST_F(GolferList, OrdersByHandicapAndCartRiders) {
  ASSERT_TRUE(print_golfer_list(s, GolferListMode::by_handicap, 0));
  EXPECT_EQ(data_rows(), rows({adams_row, zed_row, script_row, smith_row, brown_row}));
  EXPECT_NE(page_text().find("<h2><font color=#006545>Golfer Information - Sorted by Handicap</font></h2>"),
            std::string::npos);

  ASSERT_TRUE(print_golfer_list(s, GolferListMode::carts_by_name, 0));
  EXPECT_EQ(data_rows(), rows({adams_row, smith_row, zed_row}));
  EXPECT_NE(page_text().find(">PowerCart Rider Report - Sorted by Name<"), std::string::npos);

  // By tee time the riders keep group order although the names sort otherwise.
  ASSERT_TRUE(print_golfer_list(s, GolferListMode::carts_by_tee_time, 0));
  EXPECT_EQ(data_rows(), rows({smith_row, adams_row, zed_row}));
  EXPECT_NE(page_text().find("<h2><font color=#006545>PowerCart Rider Report</font></h2>"), std::string::npos);

  s.system.flags = 0;
  ASSERT_TRUE(print_golfer_list(s, GolferListMode::by_name, 0));
  EXPECT_NE(page_text().find("<h2>Golfer Information</h2>"), std::string::npos);
  ASSERT_TRUE(print_golfer_list(s, GolferListMode::carts_by_name, 0));
  EXPECT_NE(page_text().find("<h2>PowerCart Rider Report</h2>"), std::string::npos);
}

TEST_F(GolferList, DivisionFilterColumnAndSuffix) {
  s.header.division_count = 2;
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 1));
  GolferEntry brown = golfer("Brown, Ann", 200, 'F', 2);
  brown.is_member = 1;
  put_golfer(2, 1, brown);

  home.ui.select(SelectionKind::division, "2");
  run_field_report_command(s, 1628);
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_EQ(data_rows(), (std::vector<std::string>{
                             "<tr align=middle><td>&nbsp</td><td align=middle>&nbsp1&nbsp</td><td align=left>Brown, "
                             "Ann</td><td align=middle>2</td><td align=left>Blue</td><td align=middle>20.0</td>"
                             "<td align=middle>20</td><td align=middle>2</td><td align=middle>08:07:30</td>"
                             "<td align=middle>Y</td><td>&nbsp</td></tr>"}));
  EXPECT_NE(page_text().find("<TH align=middle><font color=#ffffff>Div</font></TH>"), std::string::npos);
  EXPECT_NE(page_text().find("<font color=#0000FF>07-Dec-2026 - Pine Hills - Division : 2</font>"),
            std::string::npos);

  home.ui.select(SelectionKind::division, "0");
  run_field_report_command(s, 1627);
  EXPECT_EQ(data_rows().size(), 5u);
  EXPECT_NE(page_text().find("07-Dec-2026 - Pine Hills - Division : All<"), std::string::npos);

  // Nobody in division 2 asked for a cart: a message and no page.
  home.ui.select(SelectionKind::division, "2");
  run_field_report_command(s, 1637);
  EXPECT_EQ(home.ui.message_texts(), (std::vector<std::string>{"No golfers requiring power carts found."}));
  EXPECT_EQ(home.ui.opened_pages.size(), 2u);
  EXPECT_FALSE(std::filesystem::exists(report_page_path(s)));
}

TEST_F(GolferList, EmptyFieldAndShotgunLabels) {
  make_tournament(2, "Empty Cup", 1);
  EXPECT_FALSE(print_golfer_list(s, GolferListMode::by_name, 0));
  EXPECT_EQ(home.ui.message_texts(), (std::vector<std::string>{"No golfers are entered in the tournament."}));

  read_record(s, RecordKind::tournament, 1);
  s.header.start_type = 2;
  s.header.tee_interval_index = 0;
  s.header.shotgun_groups_per_hole[0] = 1;
  s.header.shotgun_groups_per_hole[1] = 1;
  ASSERT_TRUE(print_golfer_list(s, GolferListMode::carts_by_tee_time, 0));
  std::vector<std::string> r = data_rows();
  ASSERT_EQ(r.size(), 3u);
  EXPECT_NE(r[0].find("<td align=middle> 1A</td><td align=middle>08:00</td>"), std::string::npos) << r[0];
  EXPECT_NE(r[2].find("<td align=middle> 2A</td><td align=middle>08:00</td>"), std::string::npos) << r[2];
}

}  // namespace
}  // namespace quillon::testing

namespace quillon::testing {
namespace {

TEST_F(GolferList, APageThatCannotBeCreatedIsReported) {
  std::filesystem::create_directories(s.file("qlwin4.html") / "in-the-way");
  run_field_report_command(s, 1627);
  EXPECT_TRUE(home.ui.opened_pages.empty());
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].kind, 1);
  EXPECT_EQ(home.ui.messages[0].text,
            "The HTML report file [qlwin4.html], could not be created in the current folder [" + home.path().string() +
                "].  Either the file already exists and is write protected or you do not have permission to create "
                "files in that folder");
}

}  // namespace
}  // namespace quillon::testing
