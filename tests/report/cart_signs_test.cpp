// Cart signs: pairing golfers into carts, the sign's items and the pages.
#include <gtest/gtest.h>

#include "report/cart_signs.h"
#include "tests/report/print_fixture.h"
#include "tournament/formats.h"

namespace quillon::testing {
namespace {

class CartSigns : public PrintTest {
 protected:
  void SetUp() override {
    PrintTest::SetUp();
    set_field_text(s.import_settings.reporting_name, "Lakeside GC");
  }
  RecordedPrintJob printed(SignSelection selection) {
    home.ui.answer(Button::yes);  // OK/PRINT
    EXPECT_TRUE(print_cart_signs(s, selection));
    EXPECT_EQ(home.ui.print_jobs.size(), 1u);
    return home.ui.print_jobs.at(0);
  }
};

TEST_F(CartSigns, ThreeGroupsOfFourGiveSixSignsOnTwoPages) {
  for (int g = 1; g <= 3; ++g) fill_group(g, 4);
  RecordedPrintJob job = printed(SignSelection::all);
  EXPECT_TRUE(job.finished);
  const Drawing& d = job.drawing;
  EXPECT_EQ(d.page_count(), 2);  // no blank page after the full second one
  EXPECT_EQ(d.ops.back().kind, DrawKind::page_end);
  // Three signs on a page, from rows 1, 23 and 45.
  EXPECT_EQ(text_at(d, 15, 6, 1), "G1 Golfer 1");
  EXPECT_EQ(text_at(d, 17, 6, 1), "G1 Golfer 2");
  EXPECT_EQ(text_at(d, 37, 6, 1), "G1 Golfer 3");
  EXPECT_EQ(text_at(d, 59, 6, 1), "G2 Golfer 1");
  EXPECT_EQ(text_at(d, 15, 6, 2), "G2 Golfer 3");
  EXPECT_EQ(text_at(d, 61, 6, 2), "G3 Golfer 4");
  EXPECT_TRUE(with_text(d, "--------------------------").empty());  // the dashes are for the screen only
  // On paper a thin cut line stands between the signs of a page, none after the third.
  std::vector<DrawOp> cuts;
  for (const auto& op : d.ops)
    if (op.kind == DrawKind::line) cuts.push_back(op);
  ASSERT_EQ(cuts.size(), 4u);
  EXPECT_EQ(cuts[0].page, 1);
  EXPECT_DOUBLE_EQ(cuts[0].row, 22.5);
  EXPECT_DOUBLE_EQ(cuts[1].row, 44.5);
  EXPECT_EQ(cuts[2].page, 2);
  EXPECT_DOUBLE_EQ(cuts[2].row, 22.5);
  EXPECT_DOUBLE_EQ(cuts[0].row2, cuts[0].row);
  EXPECT_DOUBLE_EQ(cuts[0].column, 1);
  EXPECT_DOUBLE_EQ(cuts[0].column2, 79);

  const RecordedPreview& shown = home.ui.previews.at(0);
  EXPECT_EQ(shown.title, "Tournament Cart Signs - All");
  EXPECT_EQ(with_text(shown.drawing, "--------------------------").size(), 6u);
  EXPECT_EQ(shown.drawing.page_count(), 0);
  EXPECT_EQ(text_at(shown.drawing, 125, 6), "G3 Golfer 3");  // the sheet goes on without pages
}

TEST_F(CartSigns, ItemsOfASign) {
  make_tournament(1, "Spring Cup", 1);
  fill_group(1, 2);
  RecordedPrintJob job = printed(SignSelection::all);
  std::vector<DrawOp> t = drawn_texts(job.drawing);
  ASSERT_EQ(t.size(), 12u);  // the empty slots 3 and 4 make a second sign with empty names
  EXPECT_EQ(t[10].text, "");
  EXPECT_EQ(t[10].row, 37);
  EXPECT_EQ(t[11].text, "");
  EXPECT_EQ(t[0].text, "Lakeside GC");
  EXPECT_EQ(t[0].row, 2);
  EXPECT_EQ(t[0].column, 1);
  EXPECT_EQ(t[0].point_size, 40);
  EXPECT_EQ(t[0].attributes, text_attribute::bold);
  EXPECT_EQ(t[1].text, "Spring Cup");
  EXPECT_EQ(t[1].row, 5);
  EXPECT_EQ(t[2].text, "Hole # 1");
  EXPECT_EQ(t[2].row, 8);
  EXPECT_EQ(t[2].column, 50);
  EXPECT_EQ(t[3].text, "   08:00");
  EXPECT_EQ(t[3].row, 12);
  EXPECT_EQ(t[3].column, 50);
  EXPECT_EQ(t[4].point_size, 25);  // two rows apart, the names' lines keep clear of each other
  EXPECT_EQ(t[4].row, 15);
  EXPECT_EQ(t[5].row, 17);
}

// A club or tournament name too long for the paper's width at 40 points is
// printed at the largest size that fits, never cut off at the edge.
TEST_F(CartSigns, LongNamesAreMadeSmallerToFitTheWidth) {
  set_field_text(s.import_settings.reporting_name, "Royal Heatherbrook Links");  // 24 characters
  set_field_text(s.header.name, "Club Championship");
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 1));
  fill_group(1, 2);
  RecordedPrintJob job = printed(SignSelection::all);
  std::vector<DrawOp> club = with_text(job.drawing, "Royal Heatherbrook Links");
  ASSERT_FALSE(club.empty());
  EXPECT_EQ(club[0].point_size, 30);
  EXPECT_LE(club[0].text.size() * 0.6 * club[0].point_size, (80 - club[0].column) * 6.75);
  EXPECT_EQ(with_text(job.drawing, "Club Championship")[0].point_size, 40);
}

TEST_F(CartSigns, AGroupOfThreeGivesASignWithOneName) {
  std::vector<std::vector<GolferEntry>> groups = {{golfer("A", 0), golfer("B", 0), golfer("C", 0)}};
  EXPECT_EQ(cart_sign_list(groups, SignSelection::all, 0),
            (std::vector<CartSign>{{1, "A", "B"}, {1, "C", std::nullopt}}));
  // A vacancy inside the group is drawn as an empty name.
  groups = {{golfer("A", 0), golfer("B", 0), golfer("C", 0), GolferEntry{}}};
  EXPECT_EQ(cart_sign_list(groups, SignSelection::all, 0), (std::vector<CartSign>{{1, "A", "B"}, {1, "C", ""}}));
}

TEST_F(CartSigns, RequestedCartsPairTheGolfersThatAskedForOne) {
  std::vector<GolferEntry> group = {golfer("A", 0), golfer("B", 0), golfer("C", 0), golfer("D", 0)};
  group[1].entry_flags = entry_flag::power_cart;
  group[3].entry_flags = entry_flag::power_cart;
  std::vector<std::vector<GolferEntry>> groups = {group, {golfer("E", 0)}};
  EXPECT_EQ(cart_sign_list(groups, SignSelection::requested, 0), (std::vector<CartSign>{{1, "B", "D"}}));
  for (auto& g : group) g.entry_flags = entry_flag::power_cart;
  group.push_back(golfer("F", 0));
  group[4].entry_flags = entry_flag::power_cart;
  EXPECT_EQ(cart_sign_list({group}, SignSelection::requested, 0),
            (std::vector<CartSign>{{1, "A", "B"}, {1, "C", "D"}, {1, "F", std::nullopt}}));
}

TEST_F(CartSigns, CrossOverHoles) {
  EXPECT_EQ(crossover_start_hole(1), 1);
  EXPECT_EQ(crossover_start_hole(2), 10);
  EXPECT_EQ(crossover_start_hole(3), 2);
  EXPECT_EQ(crossover_start_hole(4), 11);
  EXPECT_EQ(crossover_start_hole(18), 18);
  EXPECT_EQ(crossover_start_hole(19), 1);
  set_start_type(static_cast<int>(StartType::crossover));
  fill_group(1, 2);
  fill_group(2, 2);
  RecordedPrintJob job = printed(SignSelection::all);
  // Group 1 has two carts (the second empty); group 2's first sign is the third.
  EXPECT_EQ(text_at(job.drawing, 8, 50, 1), "Hole # 1");
  EXPECT_EQ(text_at(job.drawing, 30, 50, 1), "Hole # 1");
  EXPECT_EQ(text_at(job.drawing, 52, 50, 1), "Hole # 10");
}

TEST_F(CartSigns, SelectedGroupIsAskedOnceAndPrinted) {
  fill_group(1, 2);
  fill_group(2, 3);
  home.ui.select(SelectionKind::golfer, "G2 Golfer 3");
  home.ui.answer(Button::yes);  // the group question
  home.ui.answer(Button::yes);  // OK/PRINT
  EXPECT_TRUE(print_cart_signs(s, SignSelection::selected_group));
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].text,
            "Do you wish to print a Cart Sign for the folllowing group?\n\nGroup # 2\nTee Time : 08:07:30\n\n"
            "G2 Golfer 1\nG2 Golfer 2\nG2 Golfer 3\n\n");
  const Drawing& d = home.ui.print_jobs.at(0).drawing;
  EXPECT_EQ(with_text(d, "G2 Golfer 1").size(), 1u);
  EXPECT_EQ(with_text(d, "G2 Golfer 3").size(), 1u);
  EXPECT_TRUE(with_text(d, "G1 Golfer 1").empty());
}

TEST_F(CartSigns, NoToTheGroupQuestionDrawsNothing) {
  fill_group(1, 2);
  home.ui.select(SelectionKind::golfer, "G1 Golfer 1");
  home.ui.answer(Button::no);
  EXPECT_FALSE(print_cart_signs(s, SignSelection::selected_group));
  EXPECT_TRUE(home.ui.previews.empty());
  EXPECT_TRUE(home.ui.print_jobs.empty());
}

}  // namespace
}  // namespace quillon::testing
