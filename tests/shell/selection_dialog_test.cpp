#include <gtest/gtest.h>
#include <QApplication>

#include <QTest>

#include "shell/selection_dialog.h"

namespace quillon::shell {
namespace {

TEST(SelectionDialog, TabbedLinesBecomeColumnsAndChoicesKeepTheirIds) {
  std::vector<Choice> tournaments = {{4, "\t07-Dec-2026\tWinter Medal                       \tLAKE \t08:00\t08:30"},
                                     {2, "\t01-Nov-2026\tAutumn Cup                         \tOAK  \t09:00\t09:45"}};
  SelectionDialog dialog(SelectionKind::tournament, "Tournament Selection", tournaments, false, nullptr);
  QTreeWidget* list = dialog.list();
  ASSERT_EQ(list->columnCount(), 5);
  EXPECT_EQ(list->headerItem()->text(0), "Date");
  EXPECT_EQ(list->headerItem()->text(4), "End");
  ASSERT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(list->topLevelItem(0)->text(1), "Winter Medal");
  EXPECT_EQ(list->topLevelItem(1)->text(2), "OAK");
  EXPECT_EQ(dialog.chosen_ids(), std::vector<int>{4});
  list->setCurrentItem(list->topLevelItem(1));
  EXPECT_EQ(dialog.chosen_ids(), std::vector<int>{2});

  std::vector<Choice> pairs = {{1, "Oak: White-F and White-M"}, {2, "Pine: Blue-L and Blue-M"}};
  SelectionDialog many(SelectionKind::other, "Course Consolidation", pairs, true, nullptr);
  EXPECT_TRUE(many.list()->isHeaderHidden());
  EXPECT_EQ(many.list()->topLevelItem(0)->text(0), "Oak: White-F and White-M");
  EXPECT_TRUE(many.chosen_ids().empty());
  many.list()->topLevelItem(1)->setSelected(true);
  EXPECT_EQ(many.chosen_ids(), std::vector<int>{2});
}

std::vector<Choice> golfers() {
  return {{0, "Anderson, Ruth"}, {1, "Brown, Alan"}, {2, "Browning, Kate"}, {3, "Clarke, Tom"}};
}

TEST(SelectionDialog, TypingInTheFilterNarrowsTheListAndChoosesItsFirstLine) {
  SelectionDialog dialog(SelectionKind::golfer, "Select Golfer", golfers(), false, nullptr);
  ASSERT_NE(dialog.filter(), nullptr);
  EXPECT_EQ(dialog.focusWidget(), dialog.filter());

  QTest::keyClicks(dialog.filter(), "brown");
  QTreeWidget* list = dialog.list();
  EXPECT_TRUE(list->topLevelItem(0)->isHidden());
  EXPECT_FALSE(list->topLevelItem(1)->isHidden());
  EXPECT_FALSE(list->topLevelItem(2)->isHidden());
  EXPECT_TRUE(list->topLevelItem(3)->isHidden());
  EXPECT_EQ(dialog.chosen_ids(), std::vector<int>{1});

  // Down in the filter box moves through the lines left.
  QTest::keyClick(dialog.filter(), Qt::Key_Down);
  EXPECT_EQ(dialog.chosen_ids(), std::vector<int>{2});

  QTest::keyClicks(dialog.filter(), "ing");
  EXPECT_EQ(dialog.chosen_ids(), std::vector<int>{2});
  dialog.filter()->clear();
  QTest::keyClicks(dialog.filter(), "zz");
  EXPECT_TRUE(dialog.chosen_ids().empty());
  dialog.filter()->clear();
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(list->topLevelItem(i)->isHidden());
}

TEST(SelectionDialog, OnlyTournamentCourseAndGolferListsHaveAFilter) {
  EXPECT_NE(SelectionDialog(SelectionKind::course, "Select Course", golfers(), false, nullptr).filter(), nullptr);
  EXPECT_NE(SelectionDialog(SelectionKind::tournament, "Tournament Selection", golfers(), false, nullptr).filter(),
            nullptr);
  EXPECT_EQ(SelectionDialog(SelectionKind::division, "Select Division", golfers(), false, nullptr).filter(), nullptr);
}

TEST(SelectionDialog, StartsOnThePreselectedLine) {
  std::vector<Choice> choices = golfers();
  choices[2].preselected = true;
  SelectionDialog dialog(SelectionKind::tournament, "Select", choices, false, nullptr);
  EXPECT_EQ(dialog.chosen_ids(), std::vector<int>{2});
}

}  // namespace
}  // namespace quillon::shell
