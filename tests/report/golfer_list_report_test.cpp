#include "report/golfer_list_report.h"

#include <gtest/gtest.h>

#include "core/scripted_ui.h"
#include "report/field_report_commands.h"
#include "tests/report/club_field.h"

namespace quillon::testing {
namespace {

using GolferList = ClubField;

// A listed golfer: the cells' texts ("#" stands for the line number) and alignments.
struct Listed {
  RowTexts texts;
  RowTexts aligns;
};

const RowTexts plain_aligns = {"", "middle", "left", "left", "middle", "middle", "middle", "middle", "", ""};
const RowTexts member_aligns = {"", "middle", "left", "left", "middle", "middle", "middle", "middle", "middle", ""};
const RowTexts rider_aligns = {"", "middle", "left", "left", "middle", "middle", "middle", "middle", "", "middle"};

const Listed script_row = {{"", "#", "<script>alert(1)</script>", "Blue", "5.0", "5", "1", "08:00", "", ""},
                           plain_aligns};
const Listed adams_row = {{"", "#", "adams, Jim", "Blue", "+2.0", "+2", "1", "08:00", "", "Y"}, rider_aligns};
const Listed brown_row = {{"", "#", "Brown, Ann", "Blue", "20.0", "20", "2", "08:07:30", "Y", ""}, member_aligns};
const Listed smith_row = {{"", "#", "Smith & Sons", "Blue", "12.4", "12", "1", "08:00", "Y", ""}, member_aligns};
const Listed zed_row = {{"", "#", "Zed, Zoe", "Blue", "0.0", "0", "2", "08:07:30", "", ""}, plain_aligns};

// The page's rows must be these in this order, numbered from 1.
void expect_listed(const std::vector<HtmlRow>& rows, std::initializer_list<Listed> order) {
  std::vector<RowTexts> expected_texts, expected_aligns;
  int n = 0;
  for (Listed l : order) {
    l.texts[1] = std::to_string(++n);
    expected_texts.push_back(l.texts);
    expected_aligns.push_back(l.aligns);
  }
  EXPECT_EQ(texts(rows), expected_texts);
  EXPECT_EQ(aligns(rows), expected_aligns);
}

TEST_F(GolferList, AlphabeticalCommandWritesTheWholePage) {
  EXPECT_TRUE(run_field_report_command(s, 1627));
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  EXPECT_TRUE(home.ui.messages.empty());
  EXPECT_EQ(lines_between("<hr width=470 color=#006545>", "<TABLE cellSpacing=0 cellPadding=0 width=700 border=0>"),
            (std::vector<std::string>{"<hr width=470 color=#006545>",
                                      "<h2><font color=#006545>Golfer Information - Sorted by Name</font></h2>",
                                      "<TABLE cellSpacing=0 cellPadding=0 width=700 border=0>"}));
  std::vector<HtmlTable> list = tables();
  ASSERT_EQ(list.size(), 1u);
  ASSERT_EQ(list[0].rows.size(), 7u);
  const HtmlRow& head = list[0].rows[0];
  EXPECT_EQ(texts(head),
            (RowTexts{"", "", "Golfer", "Tee", "Hcap Index", "Course Hcap", "Group", "Time", "Member", "Lon"}));
  EXPECT_EQ(aligns(head),
            (RowTexts{"middle", "middle", "left", "left", "middle", "middle", "middle", "middle", "middle", "middle"}));
  EXPECT_EQ(head.attributes["align"], "middle");
  EXPECT_TRUE(has_heading_look(head));
  EXPECT_TRUE(list[0].rows[1].is_spacer());
  expect_listed(data_rows(), {script_row, adams_row, brown_row, smith_row, zed_row});
  EXPECT_EQ(page_lines().back(), "</html>");
  // The typed names show as text: nothing of them can open a tag.
  EXPECT_EQ(page_text().find("<script>"), std::string::npos);
  EXPECT_EQ(page_text().find("Smith & Sons"), std::string::npos);
}

TEST_F(GolferList, OrdersByHandicapAndCartRiders) {
  ASSERT_TRUE(print_golfer_list(s, GolferListMode::by_handicap, 0));
  expect_listed(data_rows(), {adams_row, zed_row, script_row, smith_row, brown_row});
  EXPECT_NE(page_text().find("<h2><font color=#006545>Golfer Information - Sorted by Handicap</font></h2>"),
            std::string::npos);

  ASSERT_TRUE(print_golfer_list(s, GolferListMode::carts_by_name, 0));
  expect_listed(data_rows(), {adams_row, smith_row, zed_row});
  EXPECT_NE(page_text().find(">PowerCart Rider Report - Sorted by Name<"), std::string::npos);

  // By tee time the riders keep group order although the names sort otherwise.
  ASSERT_TRUE(print_golfer_list(s, GolferListMode::carts_by_tee_time, 0));
  expect_listed(data_rows(), {smith_row, adams_row, zed_row});
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
  EXPECT_TRUE(run_field_report_command(s, 1628));
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  std::vector<HtmlRow> rows = data_rows();
  EXPECT_EQ(texts(rows),
            (std::vector<RowTexts>{{"", "1", "Brown, Ann", "2", "Blue", "20.0", "20", "2", "08:07:30", "Y", ""}}));
  EXPECT_EQ(aligns(rows), (std::vector<RowTexts>{{"", "middle", "left", "middle", "left", "middle", "middle", "middle",
                                                  "middle", "middle", ""}}));
  HtmlRow head = header_row();
  EXPECT_EQ(texts(head),
            (RowTexts{"", "", "Golfer", "Div", "Tee", "Hcap Index", "Course Hcap", "Group", "Time", "Member", "Lon"}));
  EXPECT_EQ(aligns(head)[3], "middle");
  EXPECT_TRUE(has_heading_look(head));
  EXPECT_NE(page_text().find("<font color=#0000FF>07-Dec-2026 - Pine Hills - Division : 2</font>"), std::string::npos);

  home.ui.select(SelectionKind::division, "0");
  EXPECT_TRUE(run_field_report_command(s, 1627));
  EXPECT_EQ(data_rows().size(), 5u);
  EXPECT_NE(page_text().find("07-Dec-2026 - Pine Hills - Division : All<"), std::string::npos);

  // Nobody in division 2 asked for a cart: a message and no page.
  home.ui.select(SelectionKind::division, "2");
  EXPECT_FALSE(run_field_report_command(s, 1637));
  EXPECT_EQ(home.ui.message_texts(), (std::vector<std::string>{"No golfers requiring power carts found."}));
  EXPECT_EQ(home.ui.opened_pages.size(), 2u);
  EXPECT_FALSE(std::filesystem::exists(report_page_path(s)));
}

TEST_F(GolferList, EmptyFieldAndShotgunLabels) {
  make_tournament(2, "Empty Cup", 1);
  EXPECT_FALSE(print_golfer_list(s, GolferListMode::by_name, 0));
  EXPECT_EQ(home.ui.message_texts(), (std::vector<std::string>{"No golfers are entered in the tournament."}));

  ASSERT_TRUE(read_record(s, RecordKind::tournament, 1));
  s.header.start_type = 2;
  s.header.tee_interval_index = 0;
  s.header.shotgun_groups_per_hole[0] = 1;
  s.header.shotgun_groups_per_hole[1] = 1;
  ASSERT_TRUE(print_golfer_list(s, GolferListMode::carts_by_tee_time, 0));
  std::vector<HtmlRow> r = data_rows();
  ASSERT_EQ(r.size(), 3u);
  // The group column shows the shotgun hole and its letter, the time column the start.
  RowTexts first = texts(r[0]), third = texts(r[2]);
  EXPECT_EQ(RowTexts(first.begin() + 6, first.begin() + 8), (RowTexts{"1A", "08:00"}));
  EXPECT_EQ(RowTexts(third.begin() + 6, third.begin() + 8), (RowTexts{"2A", "08:00"}));
  EXPECT_EQ(aligns(r[0])[6], "middle");
  EXPECT_EQ(aligns(r[0])[7], "middle");
}

}  // namespace
}  // namespace quillon::testing

namespace quillon::testing {
namespace {

TEST_F(GolferList, APageThatCannotBeCreatedIsReported) {
  std::filesystem::create_directories(s.file("qlwin4.html") / "in-the-way");
  EXPECT_FALSE(run_field_report_command(s, 1627));
  EXPECT_TRUE(home.ui.opened_pages.empty());
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].kind, 1);
  EXPECT_EQ(home.ui.messages[0].text, page_not_created_message());
}

}  // namespace
}  // namespace quillon::testing
