#include <gtest/gtest.h>

#include "core/scripted_ui.h"
#include "report/course_list_report.h"
#include "report/field_report_commands.h"
#include "report/tournament_list_report.h"
#include "tests/report/club_field.h"

namespace quillon::testing {
namespace {

using ListReports = ClubField;

TEST_F(ListReports, TournamentListSummary) {
  make_tournament(2, "Winter Open", 1);
  s.header.start_type = 2;
  s.header.tee_interval_index = 0;
  s.header.first_tee_hour = 9;
  s.header.last_tee_hour = 9;
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 2));
  make_tournament(3, "No Times", 1);
  s.header.first_tee_hour = 0;
  s.header.last_tee_hour = 0;
  s.header.last_tee_minute = 0;
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 3));
  make_tournament(4, "Two Day Event", 1, Format::multi_round);
  make_tournament(5, "", 1);  // a free slot

  EXPECT_TRUE(run_field_report_command(s, 1617));
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_EQ(page_text().find("Tournament Information"), std::string::npos);
  EXPECT_NE(page_text().find("<h2><font color=#006545>Tournament List</font></h2>\r\n"
                             "<TABLE cellSpacing=0 cellPadding=0 width=800 border=0>\r\n"),
            std::string::npos);
  HtmlRow head = header_row();
  EXPECT_EQ(texts(head), (RowTexts{"Date", "Tournament", "Course", "Start\nTime", "End\nTime", "Golfers"}));
  EXPECT_EQ(aligns(head), (RowTexts{"middle", "left", "left", "middle", "middle", "middle"}));
  EXPECT_EQ(head.attributes["align"], "middle");
  EXPECT_TRUE(has_heading_look(head));
  std::vector<HtmlRow> rows = data_rows();
  EXPECT_EQ(texts(rows),
            (std::vector<RowTexts>{{"07-Dec-2026", "Club Championship", "Pine Hills", "08:00", "08:15", "5"},
                                   {"07-Dec-2026", "Winter Open", "Pine Hills", "09:00", "shotgun", "0"},
                                   {"07-Dec-2026", "No Times", "Pine Hills", "", "", "0"}}));
  const RowTexts timed = {"middle", "left", "left", "middle", "middle", "middle"};
  EXPECT_EQ(aligns(rows), (std::vector<RowTexts>{timed, timed, {"middle", "left", "left", "", "", "middle"}}));
  EXPECT_EQ(page_lines().back(), "</body>");
}

TEST_F(ListReports, TournamentListDetails) {
  set_field_text(s.header.address_line1, "1 Lake Road");
  set_field_text(s.header.address_line2, "Lakeside");
  set_field_text(s.header.contact, "Pat <Pro> Shop");
  set_field_text(s.header.telephone, "555-0199");
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 1));
  ASSERT_TRUE(print_tournament_list(s, true));
  EXPECT_NE(page_text().find("<TABLE cellSpacing=0 cellPadding=0 width=600 border=0>"), std::string::npos);
  std::vector<HtmlRow> rows = data_rows();
  EXPECT_EQ(texts(rows), (std::vector<RowTexts>{{"Date", "07-Dec-2026", "Course", "Pine Hills"},
                                                {"Name", "Club Championship", "Format", "Net Scores"},
                                                {"Address", "1 Lake Road", "Golfers", "5"},
                                                {"", "Lakeside", "Start/End", "08:00 to 08:15"},
                                                {"", "", "Interval", "7.5 minutes"},
                                                {"Contact", "Pat <Pro> Shop", "", ""},
                                                {"Tel #", "555-0199", "", ""}}));
  const RowTexts all_left(4, "left");
  EXPECT_EQ(aligns(rows), (std::vector<RowTexts>{all_left,
                                                 all_left,
                                                 all_left,
                                                 {"", "left", "left", "left"},
                                                 {"", "", "left", "left"},
                                                 {"left", "left", "", ""},
                                                 {"left", "left", "", ""}}));
  // The captions (first and third cells) are bold, the values are not.
  for (const HtmlRow& row : rows)
    for (std::size_t c = 0; c < row.cells.size(); ++c)
      EXPECT_EQ(row.cells[c].bold(), c % 2 == 0 && !row.cells[c].text().empty()) << row.cells[c].text();
  EXPECT_NE(page_text().find("<tr><td colspan=4><hr></td></tr>\r\n</TABLE>"), std::string::npos);

  s.header.tee_interval_index = 0;
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 1));
  ASSERT_TRUE(print_tournament_list(s, true));
  rows = data_rows();
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(texts(rows[4]), (RowTexts{"", "", "Interval", "Shotgun"}));
  EXPECT_EQ(aligns(rows[4]), (RowTexts{"", "", "left", "left"}));
  EXPECT_TRUE(rows[4].cells[2].bold());
}

TEST_F(ListReports, CourseList) {
  EXPECT_TRUE(run_field_report_command(s, 1623));
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_EQ(page_text().find("Tournament Information"), std::string::npos);
  EXPECT_NE(page_text().find("<h2><font color=#006545>Course List</font></h2>"), std::string::npos);
  HtmlRow head = header_row();
  EXPECT_EQ(texts(head), (RowTexts{"", "Course", "Tee", "Abbrev", "Front 9", "Back 9", "Slope", "Par", "Rating"}));
  const RowTexts course_aligns = {"middle", "left", "left", "left", "left", "left", "middle", "middle", "middle"};
  EXPECT_EQ(aligns(head), course_aligns);
  EXPECT_TRUE(has_heading_look(head));
  std::vector<HtmlRow> rows = data_rows();
  EXPECT_EQ(texts(rows),
            (std::vector<RowTexts>{{"1", "Pine Hills", "Blue", "PH", "M 534444444", "444444444", "113", "72", "72.4"},
                                   {"", "", "", "", "F 534444444", "444444444", "113", "72", "76.4"},
                                   {"2", "Oak Valley", "Red", "OV", "M 534444444", "", "118", "36", "35.1"},
                                   {"", "", "", "", "F 534444444", "", "118", "36", "39.1"}}));
  EXPECT_EQ(aligns(rows),
            (std::vector<RowTexts>{course_aligns,
                                   {"", "", "", "", "left", "left", "middle", "middle", "middle"},
                                   {"middle", "left", "left", "left", "left", "", "middle", "middle", "middle"},
                                   {"", "", "", "", "left", "", "middle", "middle", "middle"}}));
}

TEST(EmptyDatabase, ListsWithNothingToListTellTheUser) {
  TestHome home;
  State& s = home.started();
  EXPECT_FALSE(run_field_report_command(s, 1623));
  EXPECT_FALSE(run_field_report_command(s, 1616));
  EXPECT_FALSE(run_field_report_command(s, 1617));
  EXPECT_EQ(home.ui.message_texts(),
            (std::vector<std::string>{"No courses defined in database", "No Tournaments defined in database",
                                      "No Tournaments defined in database"}));
  EXPECT_TRUE(home.ui.opened_pages.empty());

  // The tournament reports need a tournament first.
  EXPECT_FALSE(run_field_report_command(s, 1602));
  EXPECT_EQ(home.ui.message_texts().back(), "No Tournaments found in the tournament database");
  EXPECT_TRUE(home.ui.error_shown());
}

}  // namespace
}  // namespace quillon::testing
