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

  run_field_report_command(s, 1617);
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_EQ(page_text().find("Tournament Information"), std::string::npos);
  EXPECT_NE(page_text().find("<h2><font color=#006545>Tournament List</font></h2>\r\n"
                             "<TABLE cellSpacing=0 cellPadding=0 width=800 border=0>\r\n"),
            std::string::npos);
  EXPECT_EQ(header_row(),
            "<TR align=middle bgColor=#006545><TH align=middle><font color=#ffffff>Date</font></TH>"
            "<TH align=left><font color=#ffffff>Tournament</font></TH><TH align=left><font color=#ffffff>Course</font></TH>"
            "<TH align=middle><font color=#ffffff>Start<br>Time</font></TH>"
            "<TH align=middle><font color=#ffffff>End<br>Time</font></TH>"
            "<TH align=middle><font color=#ffffff>Golfers</font></TH></TR>");
  EXPECT_EQ(data_rows(),
            (std::vector<std::string>{
                "<tr align=middle><td align=middle>07-Dec-2026</td><td align=left>Club Championship</td>"
                "<td align=left>Pine Hills</td><td align=middle>08:00</td><td align=middle>08:15</td>"
                "<td align=middle>5</td></tr>",
                "<tr align=middle><td align=middle>07-Dec-2026</td><td align=left>Winter Open</td>"
                "<td align=left>Pine Hills</td><td align=middle>09:00</td><td align=middle>shotgun</td>"
                "<td align=middle>0</td></tr>",
                "<tr align=middle><td align=middle>07-Dec-2026</td><td align=left>No Times</td>"
                "<td align=left>Pine Hills</td><td>&nbsp</td><td>&nbsp</td><td align=middle>0</td></tr>"}));
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
  EXPECT_EQ(data_rows(),
            (std::vector<std::string>{
                "<tr align=middle><td align=left><b>Date</b></td><td align=left>07-Dec-2026</td>"
                "<td align=left><b>Course</b></td><td align=left>Pine Hills</td></tr>",
                "<tr align=middle><td align=left><b>Name</b></td><td align=left>Club Championship</td>"
                "<td align=left><b>Format</b></td><td align=left>Net Scores</td></tr>",
                "<tr align=middle><td align=left><b>Address</b></td><td align=left>1 Lake Road</td>"
                "<td align=left><b>Golfers</b></td><td align=left>5</td></tr>",
                "<tr align=middle><td>&nbsp</td><td align=left>Lakeside</td>"
                "<td align=left><b>Start/End</b></td><td align=left>08:00 to 08:15</td></tr>",
                "<tr align=middle><td>&nbsp</td><td>&nbsp</td>"
                "<td align=left><b>Interval</b></td><td align=left> 7.5 minutes</td></tr>",
                "<tr align=middle><td align=left><b>Contact</b></td><td align=left>Pat &lt;Pro&gt; Shop</td>"
                "<td>&nbsp</td><td>&nbsp</td></tr>",
                "<tr align=middle><td align=left><b>Tel #</b></td><td align=left>555-0199</td>"
                "<td>&nbsp</td><td>&nbsp</td></tr>"}));
  EXPECT_NE(page_text().find("<tr><td colspan=4><hr></td></tr>\r\n</TABLE>"), std::string::npos);

  s.header.tee_interval_index = 0;
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 1));
  ASSERT_TRUE(print_tournament_list(s, true));
  EXPECT_NE(page_text().find("<td align=left><b>Interval</b></td><td align=left>Shotgun</td>"), std::string::npos);
}

TEST_F(ListReports, CourseList) {
  run_field_report_command(s, 1623);
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_EQ(page_text().find("Tournament Information"), std::string::npos);
  EXPECT_NE(page_text().find("<h2><font color=#006545>Course List</font></h2>"), std::string::npos);
  EXPECT_EQ(header_row(),
            "<TR align=middle bgColor=#006545><TH align=middle><font color=#ffffff>&nbsp</font></TH>"
            "<TH align=left><font color=#ffffff>Course</font></TH><TH align=left><font color=#ffffff>Tee</font></TH>"
            "<TH align=left><font color=#ffffff>Abbrev</font></TH><TH align=left><font color=#ffffff>Front 9</font></TH>"
            "<TH align=left><font color=#ffffff>Back 9</font></TH><TH align=middle><font color=#ffffff>Slope</font></TH>"
            "<TH align=middle><font color=#ffffff>Par</font></TH><TH align=middle><font color=#ffffff>Rating</font></TH></TR>");
  const std::string no_name = "<tr align=middle><td>&nbsp</td><td>&nbsp</td><td>&nbsp</td><td>&nbsp</td>";
  EXPECT_EQ(data_rows(),
            (std::vector<std::string>{
                "<tr align=middle><td align=middle>1</td><td align=left>Pine Hills</td><td align=left>Blue</td>"
                "<td align=left>PH</td><td align=left>M 534444444</td><td align=left>444444444</td>"
                "<td align=middle>113</td><td align=middle>72</td><td align=middle>72.4</td></tr>",
                no_name + "<td align=left>F 534444444</td><td align=left>444444444</td>"
                          "<td align=middle>113</td><td align=middle>72</td><td align=middle>76.4</td></tr>",
                "<tr align=middle><td align=middle>2</td><td align=left>Oak Valley</td><td align=left>Red</td>"
                "<td align=left>OV</td><td align=left>M 534444444</td><td>&nbsp</td>"
                "<td align=middle>118</td><td align=middle>36</td><td align=middle>35.1</td></tr>",
                no_name + "<td align=left>F 534444444</td><td>&nbsp</td>"
                          "<td align=middle>118</td><td align=middle>36</td><td align=middle>39.1</td></tr>"}));
}

TEST(EmptyDatabase, ListsWithNothingToListTellTheUser) {
  TestHome home;
  State& s = home.started();
  run_field_report_command(s, 1623);
  run_field_report_command(s, 1616);
  run_field_report_command(s, 1617);
  EXPECT_EQ(home.ui.message_texts(),
            (std::vector<std::string>{"No courses defined in database", "No Tournaments defined in database",
                                      "No Tournaments defined in database"}));
  EXPECT_TRUE(home.ui.opened_pages.empty());

  // The tournament reports need a tournament first.
  run_field_report_command(s, 1602);
  EXPECT_EQ(home.ui.message_texts().back(), "No Tournaments found in the tournament database");
  EXPECT_TRUE(home.ui.error_shown());
}

}  // namespace
}  // namespace quillon::testing
