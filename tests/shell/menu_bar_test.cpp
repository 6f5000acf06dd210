#include "shell/menu_bar.h"

#include <gtest/gtest.h>
#include <QMenu>

namespace quillon::shell {
namespace {

QStringList titles(const QList<QAction*>& actions) {
  QStringList out;
  for (QAction* a : actions)
    if (!a->isSeparator()) out << a->text();
  return out;
}

TEST(MenuBar, EntriesSendTheirCommandNumbers) {
  QMenuBar bar;
  std::vector<int> sent;
  build_menu_bar(bar, MenuHandlers{[](int c) { return c != 1707; }, [&](int c) { sent.push_back(c); }});

  EXPECT_EQ(titles(bar.actions()),
            (QStringList{"&File", "&Add", "&Change", "&Remove", "&Print", "&Maintenance", "&Help"}));
  QMenu* add = bar.actions()[1]->menu();
  EXPECT_EQ(titles(add->actions()),
            (QStringList{"Add &Tournament", "Add &Multi-Round Tournament", "Copy Tournament", "Add &Golfers",
                         "Add/Change &Scores", "New Course", "New Tee Position"}));
  QMenu* copy = add->actions()[2]->menu();
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(titles(copy->actions()), (QStringList{"With all scores intact", "With all scores erased"}));

  for (int command : {1405, 1310, 1623, 1101}) command_action(bar, command)->trigger();
  EXPECT_EQ(sent, (std::vector<int>{1405, 1310, 1623, 1101}));
  EXPECT_EQ(command_action(bar, 1615)->text(), "Gross && Net Results");

  EXPECT_FALSE(command_action(bar, 1707)->isEnabled());
  EXPECT_TRUE(command_action(bar, 1706)->isEnabled());
  EXPECT_EQ(command_action(bar, 988), nullptr);  // buttons only
}

TEST(MenuBar, ImportSourceChoosesTheFoursomesEntries) {
  QMenuBar bar;
  build_menu_bar(bar, MenuHandlers{});
  show_import_entries(bar, 0);
  EXPECT_FALSE(command_action(bar, 1602)->isVisible());
  EXPECT_TRUE(command_action(bar, 1603)->isVisible());
  EXPECT_TRUE(command_action(bar, 1604)->isVisible());
  show_import_entries(bar, 1);
  EXPECT_TRUE(command_action(bar, 1602)->isVisible());
  EXPECT_FALSE(command_action(bar, 1603)->isVisible());
  EXPECT_FALSE(command_action(bar, 1604)->isVisible());
  EXPECT_TRUE(command_action(bar, 1605)->isVisible());
}

}  // namespace
}  // namespace quillon::shell
