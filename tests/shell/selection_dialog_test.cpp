#include <QApplication>
#include <gtest/gtest.h>

#include "shell/selection_dialog.h"

namespace quillon::shell {
namespace {

TEST(SelectionDialog, TabbedLinesBecomeColumnsAndChoicesKeepTheirIds) {
  std::vector<Choice> tournaments = {
      {4, "\t07-Dec-2026\tWinter Medal                       \tLAKE \t08:00\t08:30"},
      {2, "\t01-Nov-2026\tAutumn Cup                         \tOAK  \t09:00\t09:45"}};
  SelectionDialog dialog("Tournament Selection", tournaments, false, nullptr);
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
  SelectionDialog many("Course Consolidation", pairs, true, nullptr);
  EXPECT_TRUE(many.list()->isHeaderHidden());
  EXPECT_EQ(many.list()->topLevelItem(0)->text(0), "Oak: White-F and White-M");
  EXPECT_TRUE(many.chosen_ids().empty());
  many.list()->topLevelItem(1)->setSelected(true);
  EXPECT_EQ(many.chosen_ids(), std::vector<int>{2});
}

}  // namespace
}  // namespace quillon::shell
