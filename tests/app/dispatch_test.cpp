#include <gtest/gtest.h>

#include "app/application.h"
#include "app/startup.h"
#include "core/build_info.h"
#include "core/command_table.h"
#include "core/database.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::TestHome;

std::string not_available(const std::string& name) {
  return "\"" + name + "\" is not available in this build of Quillon.";
}

TEST(DispatchCommand, EveryNumberOfTheTableRunsOrSaysItIsNotAvailable) {
  TestHome home;
  State& state = home.started();

  for (int n = 1; n <= 3000; ++n) {
    if (!command_available(n)) continue;
    EXPECT_NE(find_command(n), nullptr) << n << " has a handler but no table entry";
  }

  EXPECT_EQ(command_display_name(1302), "Add Multi-Round Tournament");
  EXPECT_EQ(command_display_name(1615), "Gross & Net Results");
  EXPECT_EQ(command_display_name(974), "Backup");
  EXPECT_EQ(command_display_name(983), "Reports");
  EXPECT_EQ(command_display_name(4711), "");

  for (const CommandInfo& c : command_table()) {
    if (command_available(c.number)) continue;
    home.ui.messages.clear();
    EXPECT_FALSE(dispatch_command(state, c.number)) << c.number;
    ASSERT_EQ(home.ui.messages.size(), 1u) << c.number;
    EXPECT_EQ(home.ui.messages[0].title, "Quillon - Information");
    EXPECT_EQ(home.ui.messages[0].text, not_available(command_display_name(c.number)));
  }

  home.ui.messages.clear();
  EXPECT_TRUE(dispatch_command(state, 4711));  // not a command: nothing happens
  EXPECT_TRUE(home.ui.messages.empty());
}

TEST(DispatchCommand, HelpWebSiteAndExit) {
  TestHome home;
  State& state = home.started();
  for (int n : {1801, 927, 998}) EXPECT_TRUE(dispatch_command(state, n));
  EXPECT_TRUE(dispatch_command(state, 1803));
  ASSERT_EQ(home.ui.help_shown.size(), 4u);
  EXPECT_EQ(home.ui.help_shown[0], (std::pair<std::string, std::string>{"Contents", ""}));
  EXPECT_EQ(home.ui.help_shown[2], (std::pair<std::string, std::string>{"Contents", ""}));
  EXPECT_EQ(home.ui.help_shown[3], (std::pair<std::string, std::string>{"Getting_Started", ""}));

  EXPECT_TRUE(dispatch_command(state, 2005));
  EXPECT_EQ(home.ui.opened_pages, std::vector<std::string>{default_web_host});

  EXPECT_TRUE(dispatch_command(state, 1101));
  EXPECT_TRUE(state.exit_requested);

  State& again = home.started();
  EXPECT_EQ(again.system.getting_started_seen, 1);
}

}  // namespace
}  // namespace quillon
