#include "report/foursomes_report.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/scripted_ui.h"
#include "report/field_report_commands.h"
#include "tests/report/club_field.h"

namespace quillon::testing {
namespace {

using Foursomes = ClubField;

const std::string left_side_header =
    "<TH align=middle><font color=#ffffff>Group<br>Time</font></TH><TH align=middle><font color=#ffffff>Tee</font></TH>"
    "<TH align=left><font color=#ffffff>Golfer</font></TH>";
const std::string index_header = "<TH align=middle><font color=#ffffff>Index /<br>Crs Hcp</font></TH>";
const std::string spacer_header = "<TH align=middle><font color=#ffffff>&nbsp</font></TH>";
const std::string vacancy = "<td>&nbsp</td><td>&nbsp</td><td>&nbsp</td>";

TEST_F(Foursomes, TwoGroupsALineWithHandicaps) {
  run_field_report_command(s, 1602);
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_NE(page_text().find("<h2><font color=#006545>Tee Times</font></h2>\r\n"
                             "<TABLE cellSpacing=0 cellPadding=0 width=800 border=0>\r\n"),
            std::string::npos);
  EXPECT_EQ(header_row(), "<TR align=middle bgColor=#006545>" + left_side_header + index_header + spacer_header +
                              left_side_header + index_header + "</TR>");
  EXPECT_EQ(data_rows(),
            (std::vector<std::string>{
                "<tr align=middle><td align=middle>001</td><td align=left>Blue</td><td align=left>Smith &amp; Sons</td>"
                "<td align=middle>12.4 / 12</td><td>&nbsp</td><td align=middle>002</td><td align=left>Blue</td>"
                "<td align=left>Brown, Ann</td><td align=middle>20.0 / 20</td></tr>",
                "<tr align=middle><td align=middle>08:00</td><td align=left>Blue</td>"
                "<td align=left>&lt;script&gt;alert(1)&lt;/scrip</td><td align=middle> 5.0 / 5</td><td>&nbsp</td>"
                "<td align=middle>08:07:30</td><td align=left>Blue</td><td align=left>Zed, Zoe</td>"
                "<td align=middle> 0.0 / 0</td></tr>",
                "<tr align=middle><td>&nbsp</td><td align=left>Blue</td><td align=left>adams, Jim</td>"
                "<td align=middle>+2.0 /+2</td><td>&nbsp</td><td>&nbsp</td>" + vacancy + "</tr>",
                "<tr align=middle><td>&nbsp</td>" + vacancy + "<td>&nbsp</td><td>&nbsp</td>" + vacancy + "</tr>"}));
  EXPECT_EQ(page_lines().back(), "</html>");

  // "Excluding Member IDs" is the same sheet.
  std::string with_handicaps = page_text();
  run_field_report_command(s, 1604);
  EXPECT_EQ(page_text(), with_handicaps);
}

TEST_F(Foursomes, WithoutHandicapsAndCrossOverTees) {
  s.header.start_type = 1;
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 1));
  ASSERT_TRUE(print_foursomes(s, FoursomesMode::no_handicaps));
  std::string left = left_side_header;
  std::string right = left_side_header;
  left.replace(left.find(">Tee<"), 5, ">Tee<br>#1<");
  right.replace(right.find(">Tee<"), 5, ">Tee<br>#10<");
  EXPECT_EQ(header_row(), "<TR align=middle bgColor=#006545>" + left + spacer_header + right + "</TR>");
  std::vector<std::string> rows = data_rows();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0],
            "<tr align=middle><td align=middle>001</td><td align=left>Blue</td><td align=left>Smith &amp; Sons</td>"
            "<td>&nbsp</td><td align=middle>002</td><td align=left>Blue</td><td align=left>Brown, Ann</td></tr>");
  // CrossOver: groups 1 and 2 go off the two tees at the same time.
  EXPECT_NE(rows[1].find("<td align=middle>08:00</td><td align=left>Blue</td><td align=left>Zed, Zoe</td>"),
            std::string::npos)
      << rows[1];
}

TEST_F(Foursomes, OddGroupCountLeavesTheRightSideEmpty) {
  make_tournament(2, "Single", 1);
  s.header.group_size = 1;
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 2));
  put_golfer(1, 1, golfer("Lee, Ann", 95));
  ASSERT_TRUE(print_foursomes(s, FoursomesMode::no_handicaps));
  EXPECT_EQ(data_rows(), (std::vector<std::string>{"<tr align=middle><td align=middle>001<br>08:00</td>"
                                                   "<td align=left>Blue</td><td align=left>Lee, Ann</td>"
                                                   "<td>&nbsp</td>" + vacancy + "</tr>"}));
}

const std::string unplayed = " -- -- -- -- -- -- -- -- --";

TEST_F(Foursomes, HoleScoresGrossOrNet) {
  read_record(s, RecordKind::group, 1);
  GolferEntry& smith = s.group.entries[0];
  for (int h = 0; h < 18; ++h) smith.hole_scores[h] = 4;
  smith.hole_scores[1] = 5;
  ASSERT_TRUE(write_record(s, RecordKind::group, 1));

  home.ui.answer(Button::no);
  run_field_report_command(s, 1605);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].title, "Show Net Scores?");
  EXPECT_EQ(home.ui.messages[0].text,
            "The selected tournament uses net scores.  Would you like the Tournament Foursomes report to show the net "
            "scores for each hole instead of the gross scores?");
  EXPECT_EQ(header_row(),
            "<TR align=middle bgColor=#006545><TH align=middle><font color=#ffffff>Group<br>Time</font></TH>"
            "<TH align=left><font color=#ffffff>Golfer<br>HC Index (tee)</font></TH>"
            "<TH align=left><font color=#ffffff><---Front 9 Scores---><br><---Back 9 Scores---></font></TH>"
            "<TH align=middle><font color=#ffffff>Out<br>In</font></TH>"
            "<TH align=middle><font color=#ffffff>Gross<br>Crs Hcap</font></TH>"
            "<TH align=middle><font color=#ffffff>Net</font></TH><TH align=middle><font color=#ffffff>Points</font></TH></TR>");
  std::vector<std::string> rows = data_rows();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0],
            "<tr align=middle><td align=middle>001<br>08:00</td><td align=left>Smith &amp; Sons<br>12.4    (Blue)</td>"
            "<td align=left><font color=#FF0000>  4</font><font color=#0000FF>  5</font>  4  4  4  4  4  4  4<br>"
            "  4  4  4  4  4  4  4  4  4</td><td align=middle>37<br>36</td><td align=middle>73<br>12</td>"
            "<td align=middle>61</td><td>&nbsp</td></tr>");
  EXPECT_EQ(rows[2], "<tr align=middle><td>&nbsp</td><td align=left>adams, Jim<br>+2.0    (Blue)</td><td align=left>" +
                         unplayed + "<br>" + unplayed +
                         "</td><td>&nbsp</td><td align=middle>&nbsp<br>+2</td><td>&nbsp</td><td>&nbsp</td></tr>");
  EXPECT_EQ(rows[3].rfind("<tr align=middle><td align=middle>002<br>08:07:30</td><td align=left>Brown", 0), 0u);

  // Net: a course handicap of 12 takes a stroke on stroke indexes 1 to 12.
  home.ui.answer(Button::yes);
  run_field_report_command(s, 1605);
  EXPECT_EQ(data_rows()[0],
            "<tr align=middle><td align=middle>001<br>08:00</td><td align=left>Smith &amp; Sons<br>12.4    (Blue)</td>"
            "<td align=left><font color=#FF0000>  3</font><font color=#0000FF>  4</font><font color=#FF0000>  3</font>"
            "<font color=#FF0000>  3</font><font color=#FF0000>  3</font><font color=#FF0000>  3</font>"
            "<font color=#FF0000>  3</font><font color=#FF0000>  3</font><font color=#FF0000>  3</font><br>"
            "<font color=#FF0000>  3</font><font color=#FF0000>  3</font><font color=#FF0000>  3</font>"
            "  4  4  4  4  4  4</td><td align=middle>28<br>33</td><td align=middle>73<br>12</td>"
            "<td align=middle>61</td><td>&nbsp</td></tr>");
}

TEST_F(Foursomes, PointsOfAStablefordFormatAndNoQuestion) {
  set_format(s.header, Format::stableford_net_par);
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 1));
  read_record(s, RecordKind::group, 1);
  for (int h = 0; h < 18; ++h) s.group.entries[0].hole_scores[h] = 4;
  s.group.entries[0].hole_scores[1] = 5;
  ASSERT_TRUE(write_record(s, RecordKind::group, 1));
  ASSERT_TRUE(print_foursomes(s, FoursomesMode::with_scores));
  EXPECT_TRUE(home.ui.messages.empty());
  // Net 3 on the par 5 (4 points), net bogey on the par 3 (1), ten net birdies (3 each), six net pars (2 each).
  std::string row = data_rows()[0];
  std::string end = "<td align=middle>61</td><td align=middle>47</td></tr>";
  EXPECT_EQ(row.substr(row.size() - end.size()), end);
}

// A Ravelin file with one course slot and one score slot per member
// (members of 510 bytes from byte 4512).
void write_ravelin(const std::filesystem::path& path, int version,
                   const std::vector<std::tuple<std::string, std::string, std::string>>& members) {
  std::vector<char> bytes(4512 + 510 * members.size(), 0);
  bytes[6] = static_cast<char>(version & 0xff);
  bytes[7] = static_cast<char>(version >> 8);
  bytes[10] = 'a';
  bytes[74] = 1;
  bytes[98] = 1;
  std::size_t at = 4512;
  for (const auto& [id, last, first] : members) {
    std::memcpy(&bytes[at], id.data(), id.size());
    std::memcpy(&bytes[at + 11], last.data(), last.size());
    std::memcpy(&bytes[at + 272], first.data(), first.size());
    at += 510;
  }
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TEST_F(Foursomes, MemberIdsFromTheHandicapDatabase) {
  s.ravelin_path = "rvwin4.dat";
  write_ravelin(s.file("rvwin4.dat"), 2025,
                {{"R100", "Brown", "Ann"}, {"X9", "ZZZZZZZZZZ", ""}, {"R200", "Smith & Sons", ""}});
  run_field_report_command(s, 1603);
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_NE(page_text().find("<TABLE cellSpacing=0 cellPadding=0 width=640 border=0>"), std::string::npos);
  EXPECT_EQ(header_row(),
            "<TR align=middle bgColor=#006545><TH align=middle><font color=#ffffff>&nbsp</font></TH>"
            "<TH align=middle><font color=#ffffff>Time</font></TH><TH align=middle><font color=#ffffff>Group</font></TH>"
            "<TH align=left><font color=#ffffff>Tee</font></TH><TH align=left><font color=#ffffff>ID</font></TH>"
            "<TH align=left><font color=#ffffff>Golfer</font></TH></TR>");
  EXPECT_EQ(data_rows(),
            (std::vector<std::string>{
                "<tr align=middle><td>&nbsp</td><td align=middle>08:00</td><td align=middle>001</td>"
                "<td align=left>Blue</td><td align=left>R200</td><td align=left>Smith &amp; Sons</td></tr>",
                "<tr align=middle><td>&nbsp</td><td align=middle>08:00</td><td align=middle>001</td>"
                "<td align=left>Blue</td><td>&nbsp</td><td align=left>&lt;script&gt;alert(1)&lt;/script&gt;</td></tr>",
                "<tr align=middle><td>&nbsp</td><td align=middle>08:00</td><td align=middle>001</td>"
                "<td align=left>Blue</td><td align=left>OLD7</td><td align=left>adams, Jim</td></tr>",
                "<tr align=middle><td>&nbsp</td><td align=middle>08:07:30</td><td align=middle>002</td>"
                "<td align=left>Blue</td><td align=left>R100</td><td align=left>Brown, Ann</td></tr>",
                "<tr align=middle><td>&nbsp</td><td align=middle>08:07:30</td><td align=middle>002</td>"
                "<td align=left>Blue</td><td>&nbsp</td><td align=left>Zed, Zoe</td></tr>"}));
}

TEST_F(Foursomes, MemberIdsRefusedForAnotherVersionOrAMissingDatabase) {
  s.ravelin_path = "rvwin4.dat";
  write_ravelin(s.file("rvwin4.dat"), 2024, {{"R100", "Brown", "Ann"}});
  run_field_report_command(s, 1603);
  EXPECT_EQ(home.ui.message_texts(),
            (std::vector<std::string>{
                "The version of the Ravelin for Windows database (2024.a) does not match this version of Quillon for "
                "Windows (2025.a).  The database versions must match in order to perform an import.  One or both "
                "products must be updated."}));
  EXPECT_TRUE(home.ui.opened_pages.empty());
  EXPECT_FALSE(std::filesystem::exists(report_page_path(s)));

  std::filesystem::remove(s.file("rvwin4.dat"));
  EXPECT_FALSE(print_foursomes(s, FoursomesMode::member_ids));
  ASSERT_EQ(home.ui.messages.size(), 2u);
  EXPECT_EQ(home.ui.messages[1].text,
            "Quillon is configured to import golfers and handicaps from a Ravelin database [" +
                s.file("rvwin4.dat").string() +
                "] but the handicap database could not be located. For assistance call Tolvane Systems Inc. at "
                "555-0142.");
}

}  // namespace
}  // namespace quillon::testing
