#include "shell/main_window.h"

#include <gtest/gtest.h>
#include <QMenuBar>
#include <QtTest/QTest>

#include "core/database.h"
#include "core/fixed_text.h"
#include "shell/menu_bar.h"
#include "tests/testing/test_home.h"

namespace quillon::shell {
namespace {

TEST(MainWindow, ButtonsAndMenusRunCommandsAndTheWindowFollowsTheState) {
  testing::TestHome home;
  State& state = home.started();
  QtUi ui;
  std::vector<int> ran;
  auto run = [&](State& s, int command) {
    ran.push_back(command);
    if (command == 1407) s.window_title = "Quillon for Windows 2025a, - Oak Hills";
    if (command == 1701) set_field_text(s.desktop_message.text, "Shotgun start at 9");
  };
  MainWindow window(state, ui, run, [](int c) { return c == 1407 || c == 1701 || c == 988 || c == 920; });
  window.restore_rect();
  EXPECT_EQ(window.size(), QSize(800, 600));
  EXPECT_EQ(window.windowTitle(), "Quillon");

  const auto& buttons = window.desktop()->buttons();
  ASSERT_EQ(buttons.size(), 8u);
  EXPECT_EQ(buttons[0]->text(), "Golfers");
  QTest::mouseClick(buttons[0], Qt::LeftButton);
  QTest::mouseClick(buttons[7], Qt::LeftButton);
  EXPECT_EQ(ran, (std::vector<int>{988, 920}));
  // The Reports button opens the Print menu.
  EXPECT_EQ(buttons[2]->text(), "Reports");
  EXPECT_TRUE(buttons[2]->isEnabled());
  ASSERT_NE(window.reports_menu(), nullptr);
  EXPECT_EQ(window.reports_menu()->title(), "&Print");
  // A button whose command is not built is disabled, like its menu entry.
  EXPECT_EQ(buttons[1]->text(), "Scores");
  EXPECT_FALSE(buttons[1]->isEnabled());
  QTest::mouseClick(buttons[1], Qt::LeftButton);
  EXPECT_EQ(ran.size(), 2u);

  EXPECT_TRUE(command_action(*window.menuBar(), 1101)->isEnabled());
  EXPECT_TRUE(command_action(*window.menuBar(), 1804)->isEnabled());
  EXPECT_FALSE(command_action(*window.menuBar(), 1501)->isEnabled());
  command_action(*window.menuBar(), 1407)->trigger();
  EXPECT_EQ(window.windowTitle(), "Quillon for Windows 2025a, - Oak Hills");
  command_action(*window.menuBar(), 1701)->trigger();
  EXPECT_EQ(window.desktop()->message(), "Shotgun start at 9");
  state.system.flags |= system_flag::no_desktop_message;
  window.refresh_from_state();
  EXPECT_EQ(window.desktop()->message(), "");
}

TEST(MainWindow, ExitSavesTheWindowRectangleAndClosesTheDatabase) {
  testing::TestHome home;
  State& state = home.started();
  state.system.main_window_rect[0] = 900;  // left
  state.system.main_window_rect[1] = 1700;  // right
  state.system.main_window_rect[2] = 0;  // top
  state.system.main_window_rect[3] = 600;  // bottom
  QtUi ui;
  MainWindow window(
      state, ui, [](State& s, int) { s.exit_requested = true; }, [](int) { return true; });
  window.restore_rect();
  EXPECT_EQ(window.pos(), QPoint(600, 0));
  EXPECT_EQ(window.size(), QSize(800, 600));
  window.move(120, 40);
  window.resize(900, 640);

  window.run(1701);  // a command that asks the program to end
  EXPECT_FALSE(state.db.is_open());
  auto reopened = home.new_state();
  ASSERT_TRUE(open_database(*reopened));
  ASSERT_GT(read_record_counted(*reopened, RecordKind::system, 1).value_or(0), 0);
  EXPECT_EQ(stored_window_rect(*reopened), (WindowRect{120, 40, 1020, 680}));
}

}  // namespace
}  // namespace quillon::shell
