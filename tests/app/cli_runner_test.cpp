#include <gtest/gtest.h>

#include <sstream>

#include "cli/options.h"
#include "cli/runner.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

struct CliRun {
  int status;
  std::string out, err;
};

CliRun cli(const testing::TestHome& home, std::vector<std::string> args) {
  args.insert(args.begin(), {"--home", home.path().string(), "--today", "2026-12-07"});
  std::ostringstream out, err;
  int status = cli::run(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(CliRunner, ExitStatuses) {
  testing::TestHome home;
  CliRun init = cli(home, {"init"});
  EXPECT_EQ(init.status, 0);
  EXPECT_EQ(init.err, "Quillon - Information: Your Quillon system has been successfully updated.\n");

  EXPECT_EQ(cli(home, {"--bogus", "init"}).status, 2);
  EXPECT_EQ(cli(home, {"--today", "2026-02-30", "init"}).status, 2);
  EXPECT_EQ(cli(home, {"1701", "1702"}).status, 2);
  EXPECT_EQ(cli(home, {}).status, 2);

  CliRun unavailable = cli(home, {"1302"});
  EXPECT_EQ(unavailable.status, 2);
  EXPECT_EQ(unavailable.err, "quillon-cli: command 1302 is not available in this build\n");

  CliRun unanswered = cli(home, {"1701"});
  EXPECT_EQ(unanswered.status, 3);
  EXPECT_EQ(unanswered.err, "quillon-cli: the dialog \"System Configuration\" had no answer\n");

  CliRun unknown_field = cli(home, {"--set", "colour=red", "1701"});
  EXPECT_EQ(unknown_field.status, 2);
  EXPECT_EQ(unknown_field.err, "quillon-cli: the dialog \"System Configuration\" has no field colour\n");

  EXPECT_EQ(cli(home, {"--set", "tee_time_interval= 9.5", "1701"}).status, 0);
  CliRun listed = cli(home, {"--list-fields", "1701"});
  EXPECT_EQ(listed.status, 0);
  EXPECT_NE(listed.out.find("  tee_time_interval (list) \"Tee Time Interval\" =  9.5\n"), std::string::npos);

  CliRun named = cli(home, {"--set", "reporting_name=Pine Valley", "--set", "use_as_heading=yes", "1407"});
  EXPECT_EQ(named.status, 0);
  EXPECT_EQ(named.err, "");
}

TEST(CliRunner, OptionParsing) {
  std::string error;
  auto o = cli::parse_options({"--answer", "yes", "--answer", "cancel", "--date", "2025-01-01", "--set",
                               "name=Spring Cup", "--press", "reset", "--tournament", "3", "1401"},
                              error);
  ASSERT_TRUE(o.has_value()) << error;
  EXPECT_EQ(o->command, "1401");
  EXPECT_EQ(o->answers, (std::vector<Button>{Button::yes, Button::cancel}));
  ASSERT_EQ(o->dates.size(), 1u);
  EXPECT_EQ(o->dates[0], (Date{125, 1, 1}));
  ASSERT_EQ(o->dialogs.at(0).sets.size(), 2u);
  EXPECT_EQ(o->dialogs.at(0).sets[0], (std::pair<std::string, std::string>{"name", "Spring Cup"}));
  EXPECT_EQ(o->dialogs.at(0).sets[1].first, "!reset");
  EXPECT_EQ(*o->tournament, "3");

  EXPECT_FALSE(cli::parse_options({"--answer", "maybe", "init"}, error));
  EXPECT_EQ(error, "--answer takes yes, no, ok or cancel, not \"maybe\"");
  EXPECT_FALSE(cli::parse_options({"--set", "=x", "init"}, error));
  EXPECT_FALSE(cli::parse_options({"print"}, error));
  EXPECT_EQ(error, "the command must be init, verify-backup or a command number, not \"print\"");
}

}  // namespace
}  // namespace quillon
