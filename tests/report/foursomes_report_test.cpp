#include "report/foursomes_report.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/scripted_ui.h"
#include "report/field_report_commands.h"
#include "tests/report/club_field.h"

namespace quillon::testing {
namespace {

using Foursomes = ClubField;

const RowTexts left_side_captions = {"Group\nTime", "Tee", "Golfer"};
const RowTexts left_side_aligns = {"middle", "middle", "left"};

RowTexts joined(std::initializer_list<RowTexts> parts) {
  RowTexts all;
  for (const RowTexts& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST_F(Foursomes, TwoGroupsALineWithHandicaps) {
  EXPECT_TRUE(run_field_report_command(s, 1602));
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_NE(page_text().find("<h2><font color=#006545>Tee Times</font></h2>\r\n"
                             "<TABLE cellSpacing=0 cellPadding=0 width=800 border=0>\r\n"),
            std::string::npos);
  HtmlRow head = header_row();
  EXPECT_EQ(texts(head),
            joined({left_side_captions, {"Index /\nCrs Hcp", ""}, left_side_captions, {"Index /\nCrs Hcp"}}));
  EXPECT_EQ(aligns(head), joined({left_side_aligns, {"middle", "middle"}, left_side_aligns, {"middle"}}));
  EXPECT_EQ(head.attributes["align"], "middle");
  EXPECT_TRUE(has_heading_look(head));
  std::vector<HtmlRow> rows = data_rows();
  EXPECT_EQ(texts(rows),
            (std::vector<RowTexts>{
                {"001", "Blue", "Smith & Sons", "12.4 / 12", "", "002", "Blue", "Brown, Ann", "20.0 / 20"},
                {"08:00", "Blue", "<script>alert(1)</scrip", "5.0 / 5", "", "08:07:30", "Blue", "Zed, Zoe", "0.0 / 0"},
                {"", "Blue", "adams, Jim", "+2.0 /+2", "", "", "", "", ""},
                {"", "", "", "", "", "", "", "", ""}}));
  const RowTexts full = {"middle", "left", "left", "middle", "", "middle", "left", "left", "middle"};
  EXPECT_EQ(aligns(rows),
            (std::vector<RowTexts>{full, full, {"", "left", "left", "middle", "", "", "", "", ""}, RowTexts(9, "")}));
  // Typed names are escaped, never written as they are.
  EXPECT_NE(page_text().find(">Smith &amp; Sons<"), std::string::npos);
  EXPECT_EQ(page_text().find("<script>"), std::string::npos);
  EXPECT_EQ(page_lines().back(), "</html>");

  // "Excluding Member IDs" is the same sheet.
  std::string with_handicaps = page_text();
  EXPECT_TRUE(run_field_report_command(s, 1604));
  EXPECT_EQ(page_text(), with_handicaps);
}

TEST_F(Foursomes, WithoutHandicapsAndCrossOverTees) {
  s.header.start_type = 1;
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 1));
  ASSERT_TRUE(print_foursomes(s, FoursomesMode::no_handicaps));
  HtmlRow head = header_row();
  EXPECT_EQ(texts(head), (RowTexts{"Group\nTime", "Tee\n#1", "Golfer", "", "Group\nTime", "Tee\n#10", "Golfer"}));
  EXPECT_EQ(aligns(head), joined({left_side_aligns, {"middle"}, left_side_aligns}));
  EXPECT_TRUE(has_heading_look(head));
  std::vector<HtmlRow> rows = data_rows();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(texts(rows[0]), (RowTexts{"001", "Blue", "Smith & Sons", "", "002", "Blue", "Brown, Ann"}));
  EXPECT_EQ(aligns(rows[0]), (RowTexts{"middle", "left", "left", "", "middle", "left", "left"}));
  // CrossOver: groups 1 and 2 go off the two tees at the same time.
  EXPECT_EQ(texts(rows[1]), (RowTexts{"08:00", "Blue", "<script>alert(1)</scrip", "", "08:00", "Blue", "Zed, Zoe"}));
}

TEST_F(Foursomes, OddGroupCountLeavesTheRightSideEmpty) {
  make_tournament(2, "Single", 1);
  s.header.group_size = 1;
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 2));
  put_golfer(1, 1, golfer("Lee, Ann", 95));
  ASSERT_TRUE(print_foursomes(s, FoursomesMode::no_handicaps));
  std::vector<HtmlRow> rows = data_rows();
  EXPECT_EQ(texts(rows), (std::vector<RowTexts>{{"001\n08:00", "Blue", "Lee, Ann", "", "", "", ""}}));
  EXPECT_EQ(aligns(rows), (std::vector<RowTexts>{{"middle", "left", "left", "", "", "", ""}}));
}

using Colours = std::vector<std::pair<std::string, std::string>>;
const std::string under_par = "#FF0000";
const std::string over_par = "#0000FF";

TEST_F(Foursomes, HoleScoresGrossOrNet) {
  ASSERT_TRUE(read_record(s, RecordKind::group, 1));
  GolferEntry& smith = s.group.entries[0];
  for (int h = 0; h < 18; ++h) smith.hole_scores[h] = 4;
  smith.hole_scores[1] = 5;
  ASSERT_TRUE(write_record(s, RecordKind::group, 1));

  home.ui.answer(Button::no);
  EXPECT_TRUE(run_field_report_command(s, 1605));
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].title, "Show Net Scores?");
  EXPECT_EQ(home.ui.messages[0].text,
            "The selected tournament uses net scores.  Would you like the Tournament Foursomes report to show the net "
            "scores for each hole instead of the gross scores?");
  HtmlRow head = header_row();
  EXPECT_EQ(texts(head),
            (RowTexts{"Group\nTime", "Golfer\nHC Index (tee)", "<---Front 9 Scores--->\n<---Back 9 Scores--->",
                      "Out\nIn", "Gross\nCrs Hcap", "Net", "Points"}));
  EXPECT_EQ(aligns(head), (RowTexts{"middle", "left", "left", "middle", "middle", "middle", "middle"}));
  EXPECT_TRUE(has_heading_look(head));
  std::vector<HtmlRow> rows = data_rows();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(texts(rows[0]),
            (RowTexts{"001\n08:00", "Smith & Sons\n12.4    (Blue)",
                      "4  5  4  4  4  4  4  4  4\n4  4  4  4  4  4  4  4  4", "37\n36", "73\n12", "61", ""}));
  EXPECT_EQ(aligns(rows[0]), (RowTexts{"middle", "left", "left", "middle", "middle", "middle", ""}));
  // A birdie 4 on the par 5 in red, a bogey 5 on the par 3 in blue.
  EXPECT_EQ(rows[0].cells[2].coloured_texts(), (Colours{{under_par, "4"}, {over_par, "5"}}));
  const std::string unplayed = "-- -- -- -- -- -- -- -- --";
  EXPECT_EQ(texts(rows[2]),
            (RowTexts{"", "adams, Jim\n+2.0    (Blue)", unplayed + "\n" + unplayed, "", "\n+2", "", ""}));
  EXPECT_EQ(aligns(rows[2]), (RowTexts{"", "left", "left", "", "middle", "", ""}));
  EXPECT_TRUE(rows[2].cells[2].coloured_texts().empty());
  EXPECT_EQ(texts(rows[3])[0], "002\n08:07:30");
  EXPECT_EQ(texts(rows[3])[1].rfind("Brown", 0), 0u);
  EXPECT_EQ(aligns(rows[3])[0], "middle");

  // Net: a course handicap of 12 takes a stroke on stroke indexes 1 to 12.
  home.ui.answer(Button::yes);
  EXPECT_TRUE(run_field_report_command(s, 1605));
  HtmlRow net = data_rows()[0];
  EXPECT_EQ(texts(net),
            (RowTexts{"001\n08:00", "Smith & Sons\n12.4    (Blue)",
                      "3  4  3  3  3  3  3  3  3\n3  3  3  4  4  4  4  4  4", "28\n33", "73\n12", "61", ""}));
  EXPECT_EQ(aligns(net), aligns(rows[0]));
  Colours net_colours = {{under_par, "3"}, {over_par, "4"}};
  for (int hole = 3; hole <= 12; ++hole) net_colours.emplace_back(under_par, "3");
  EXPECT_EQ(net.cells[2].coloured_texts(), net_colours);
}

TEST_F(Foursomes, PointsOfAStablefordFormatAndNoQuestion) {
  set_format(s.header, Format::stableford_net_par);
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 1));
  ASSERT_TRUE(read_record(s, RecordKind::group, 1));
  for (int h = 0; h < 18; ++h) s.group.entries[0].hole_scores[h] = 4;
  s.group.entries[0].hole_scores[1] = 5;
  ASSERT_TRUE(write_record(s, RecordKind::group, 1));
  ASSERT_TRUE(print_foursomes(s, FoursomesMode::with_scores));
  EXPECT_TRUE(home.ui.messages.empty());
  // Net 3 on the par 5 (4 points), net bogey on the par 3 (1), ten net birdies (3 each), six net pars (2 each).
  HtmlRow row = data_rows()[0];
  ASSERT_EQ(row.cells.size(), 7u);
  EXPECT_EQ(texts(row)[5], "61");
  EXPECT_EQ(texts(row)[6], "47");
  EXPECT_EQ(aligns(row)[5], "middle");
  EXPECT_EQ(aligns(row)[6], "middle");
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
  EXPECT_TRUE(run_field_report_command(s, 1603));
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_NE(page_text().find("<TABLE cellSpacing=0 cellPadding=0 width=640 border=0>"), std::string::npos);
  HtmlRow head = header_row();
  EXPECT_EQ(texts(head), (RowTexts{"", "Time", "Group", "Tee", "ID", "Golfer"}));
  EXPECT_EQ(aligns(head), (RowTexts{"middle", "middle", "middle", "left", "left", "left"}));
  EXPECT_TRUE(has_heading_look(head));
  std::vector<HtmlRow> rows = data_rows();
  EXPECT_EQ(texts(rows), (std::vector<RowTexts>{{"", "08:00", "001", "Blue", "R200", "Smith & Sons"},
                                                {"", "08:00", "001", "Blue", "", "<script>alert(1)</script>"},
                                                {"", "08:00", "001", "Blue", "OLD7", "adams, Jim"},
                                                {"", "08:07:30", "002", "Blue", "R100", "Brown, Ann"},
                                                {"", "08:07:30", "002", "Blue", "", "Zed, Zoe"}}));
  const RowTexts with_id = {"", "middle", "middle", "left", "left", "left"};
  const RowTexts without_id = {"", "middle", "middle", "left", "", "left"};
  EXPECT_EQ(aligns(rows), (std::vector<RowTexts>{with_id, without_id, with_id, with_id, without_id}));
  EXPECT_NE(page_text().find(">Smith &amp; Sons<"), std::string::npos);
  EXPECT_EQ(page_text().find("<script>"), std::string::npos);
}

TEST_F(Foursomes, MemberIdsRefusedForAnotherVersionOrAMissingDatabase) {
  s.ravelin_path = "rvwin4.dat";
  write_ravelin(s.file("rvwin4.dat"), 2024, {{"R100", "Brown", "Ann"}});
  EXPECT_FALSE(run_field_report_command(s, 1603));
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
