#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/application.h"
#include "app/demo.h"
#include "cli/options.h"
#include "core/command_table.h"
#include "tests/testing/cli_run.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::cli;
using testing::CliRun;

TEST(CliRunner, ExitStatuses) {
  testing::TestHome home;
  CliRun init = cli(home, {"init"});
  EXPECT_EQ(init.status, 0);
  EXPECT_EQ(init.err, "Quillon - Information: Your Quillon system has been successfully updated.\n");

  EXPECT_EQ(cli(home, {"--bogus", "init"}).status, 2);
  EXPECT_EQ(cli(home, {"--today", "2026-02-30", "init"}).status, 2);
  EXPECT_EQ(cli(home, {"1701", "1702"}).status, 2);
  EXPECT_EQ(cli(home, {}).status, 2);

  for (const CommandInfo& c : command_table()) {
    if (command_available(c.number)) continue;
    const std::string number = std::to_string(c.number);
    CliRun unavailable = cli(home, {number});
    EXPECT_EQ(unavailable.status, 2);
    EXPECT_EQ(unavailable.err, "quillon-cli: command " + number + " is not available in this build\n");
    break;  // one unbuilt command shows the rule
  }

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

// The user's own answer stopping a command is no failure: exit 0, no error.
TEST(CliRunner, ACommandStoppedByTheUsersAnswerExitsZero) {
  testing::TestHome home;
  ASSERT_TRUE(prepare_demo_home(home.path(), home.clock));
  // "Remove tournament [...]?" answered No: nothing removed, no error shown.
  CliRun kept = cli(home, {"--tournament", "1", "--answer", "no", "1501"});
  EXPECT_EQ(kept.status, 0) << kept.err;
  EXPECT_EQ(kept.err.find("Error"), std::string::npos) << kept.err;
  // Cancel in a dialog stores nothing either.
  EXPECT_EQ(cli(home, {"--cancel", "1407"}).status, 0);
  EXPECT_EQ(cli(home, {"--tournament", "1", "--answer", "yes", "1501"}).status, 0);
}

TEST(CliRunner, OptionParsing) {
  auto o = cli::parse_options({"--answer", "yes", "--answer", "cancel", "--date", "2025-01-01", "--set",
                               "name=Spring Cup", "--press", "reset", "--tournament", "3", "1401"});
  ASSERT_TRUE(o) << o.status().reason();
  EXPECT_EQ(o->command, "1401");
  EXPECT_EQ(o->answers, (std::vector<Button>{Button::yes, Button::cancel}));
  ASSERT_EQ(o->dates.size(), 1u);
  EXPECT_EQ(o->dates[0], (Date{125, 1, 1}));
  ASSERT_EQ(o->dialogs.at(0).sets.size(), 2u);
  EXPECT_EQ(o->dialogs.at(0).sets[0], (std::pair<std::string, std::string>{"name", "Spring Cup"}));
  EXPECT_EQ(o->dialogs.at(0).sets[1].first, "!reset");
  EXPECT_EQ(*o->tournament, "3");

  auto reason = [](const std::vector<std::string>& args) { return cli::parse_options(args).status().reason(); };
  EXPECT_EQ(reason({"--answer", "maybe", "init"}), "--answer takes yes, no, ok, cancel or print, not \"maybe\"");
  EXPECT_EQ(reason({"--set", "=x", "init"}), "--set takes FIELD=VALUE, not \"=x\"");
  EXPECT_EQ(reason({"--move", "a=", "1408"}), "--move takes FROM=TO, not \"a=\"");
  EXPECT_EQ(reason({"--today", "2025-13-01", "init"}), "--today takes a date as YYYY-MM-DD, not \"2025-13-01\"");
  EXPECT_EQ(reason({"init", "--home"}), "--home needs a value");
  EXPECT_EQ(reason({"--pdf", "", "1624"}), "--pdf needs a value");
  EXPECT_EQ(reason({"--bogus", "init"}), "unknown option --bogus");
  EXPECT_EQ(reason({"init", "1401"}), "only one command may be given (\"init\" and \"1401\")");
  EXPECT_EQ(reason({"--demo"}), "no command given");
  EXPECT_EQ(reason({"verify-backup"}), "verify-backup needs the backup file to check");
  EXPECT_EQ(reason({"print"}), "the command must be init, verify-backup, serve or a command number, not \"print\"");
  EXPECT_TRUE(cli::parse_options({"--help"}));
  EXPECT_EQ(reason({"--listen", "127.0.0.1:8080", "1607"}), "--listen goes with serve");
}

TEST(CliRunner, PrintJobsGoToThePdfFileOrTheNamedPrinter) {
  testing::TestHome home;
  ASSERT_TRUE(prepare_demo_home(home.path(), home.clock));
  std::string pdf = (home.path() / "cards.pdf").string();
  CliRun cards = cli(home, {"--tournament", "1", "--answer", "no", "--answer", "print", "--pdf", pdf, "2001"});
  EXPECT_EQ(cards.status, 0) << cards.err;
  EXPECT_EQ(cards.out, pdf + "\n");
  EXPECT_GT(std::filesystem::file_size(pdf), 1000u);

  CliRun closed = cli(home, {"--tournament", "1", "--answer", "ok", "--pdf", pdf + "2", "1624"});
  EXPECT_EQ(closed.status, 0);
  EXPECT_FALSE(std::filesystem::exists(pdf + "2"));  // OK closes the preview without printing

  CliRun missing = cli(home, {"--tournament", "1", "--answer", "print", "--printer", "No Such Queue", "1624"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("quillon-cli: there is no printer named \"No Such Queue\"\n"), std::string::npos)
      << missing.err;
  EXPECT_NE(missing.err.find("Quillon - Error: Request cancelled or printer not available\n"), std::string::npos);

  CliRun unanswered = cli(home, {"--tournament", "1", "1624"});
  EXPECT_EQ(unanswered.status, 3);
  EXPECT_NE(unanswered.err.find("the print preview \"Tournament Cart Signs - All\" had no answer"), std::string::npos);

  EXPECT_EQ(cli::parse_options({"--pdf", "a.pdf", "--printer", "PDF", "1624"}).status().reason(),
            "--pdf and --printer cannot both be given");
  auto print = cli::parse_options({"--answer", "print", "--printer", "PDF", "1624"});
  ASSERT_TRUE(print);
  EXPECT_EQ(print->answers, std::vector<Button>{Button::yes});
  EXPECT_EQ(print->printer_name, "PDF");
}

}  // namespace
}  // namespace quillon
