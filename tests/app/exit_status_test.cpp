// How every command ends for a script: done, cancelled by the user's own
// answer, or not done as a message said; and quillon-cli's exit status of each.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "app/application.h"
#include "cli/page_opener.h"
#include "core/command_table.h"
#include "core/database.h"
#include "core/messages.h"
#include "tests/exchange/support/net_fixture.h"
#include "tests/testing/cli_run.h"

namespace quillon {
namespace {

using testing::cli;
using testing::CliRun;
using testing::TestHome;

const char* end_name(CommandEnd end) {
  switch (end) {
    case CommandEnd::not_a_command: return "not a command";
    case CommandEnd::done: return "done";
    case CommandEnd::cancelled: return "cancelled";
    case CommandEnd::not_done: return "not done";
  }
  return "";
}

// Runs the command on a fresh state of the home; "asks" when it wanted an
// answer the script did not give.
std::string run_ending(State& state, int command) {
  try {
    return end_name(run_command(state, command));
  } catch (const UnansweredQuestion&) {
    return "asks";
  } catch (const ScriptError& e) {
    return std::string("script error: ") + e.what();
  }
}

// The commands that need a tournament or a course, and so cannot be done on
// a database without either: each says so and ends not done.
TEST(ExitStatus, OnAnEmptyDatabaseEveryCommandThatNeedsDataEndsNotDone) {
  // clang-format off
  const std::map<int, std::string> expected = {
      // Work without a tournament or course: help, the web site, exit.
      {1101, "done"}, {1801, "done"}, {927, "done"}, {998, "done"}, {1803, "done"}, {2005, "done"},
      // Dialogs and questions that come first.
      {1804, "asks"},  // the About dialog
      {1701, "asks"}, {1407, "asks"}, {1411, "asks"}, {1703, "asks"}, {1707, "asks"},  // settings dialogs
      {1708, "asks"}, {2006, "asks"}, {922, "asks"},  // the Cuplink Network dialog
      {1103, "asks"}, {974, "asks"},  // the backup dialog, once the image is made
      {1104, "asks"},  // the restore dialog
      {1306, "asks"}, {1308, "asks"},  // a new course
      {1702, "asks"},  // the purge's date
      {1412, "asks"},  // the Course Consolidation dialog
      {2010, "asks"},  // without a Club ID: whether to request one
  };
  // clang-format on
  TestHome home;
  ASSERT_EQ(home.started().tournament_count, 0);
  ASSERT_EQ(home.started().course_count, 0);
  for (const CommandInfo& c : command_table()) {
    if (!command_available(c.number)) continue;
    home.ui.messages.clear();
    const std::string ending = run_ending(home.started(), c.number);
    auto it = expected.find(c.number);
    const std::string wanted = it == expected.end() ? "not done" : it->second;
    EXPECT_EQ(ending, wanted) << c.number << " " << command_display_name(c.number);
    if (wanted == "not done") {
      EXPECT_FALSE(home.ui.messages.empty()) << c.number << " ended not done without saying so";
    }
  }
}

// A club with two courses and two tournaments of golfers (so that every
// selection is asked); every question is answered Cancel (or No), every
// selection, file dialog and dialog cancelled. The user's own answers never
// make a command "not done".
TEST(ExitStatus, CancellingEveryAnswerEndsCancelledOrDone) {
  // Commands that fail before they ask anything, for reasons of their own.
  const std::map<int, std::string> not_done_before_asking = {
      {1706, "the network is not set up (no network.ini)"},
  };
  for (const CommandInfo& c : command_table()) {
    if (!command_available(c.number)) continue;
    TestHome home;
    State& state = home.started();
    testing::put_course(state, 1, testing::make_course("Lakeside", "White", 18, 712, 128));
    testing::put_course(state, 2, testing::make_course("Hillside", "Blue", 18, 705, 121));
    testing::TournamentSpec cup;
    cup.golfers = {testing::member("Lee, Ann", "A1", 'F', 18), testing::member("Cox, Cy", "C3", 'M', 18)};
    testing::put_tournament(state, 1, cup);
    cup.name = "Autumn Open";
    testing::put_tournament(state, 2, cup);
    for (SelectionKind kind : {SelectionKind::tournament, SelectionKind::course, SelectionKind::golfer,
                               SelectionKind::division, SelectionKind::other})
      home.ui.select(kind, "");
    for (int i = 0; i < 20; ++i) {
      home.ui.answer(Button::cancel);
      home.ui.files.push_back("");
      home.ui.dialog(DialogScript{{}, true, false});
    }
    const std::string ending = run_ending(state, c.number);
    if (not_done_before_asking.count(c.number)) {
      EXPECT_EQ(ending, "not done") << c.number << ": " << not_done_before_asking.at(c.number);
      continue;
    }
    EXPECT_TRUE(ending == "cancelled" || ending == "done")
        << c.number << " " << command_display_name(c.number) << " ended " << ending
        << "; last message: " << (home.ui.last_message() ? home.ui.last_message()->text : "");
  }
}

class CliExitStatus : public ::testing::Test {
 protected:
  void SetUp() override {
    State& state = home.started();
    testing::put_course(state, 1, testing::make_course("Lakeside", "White", 18, 712, 128));
    testing::TournamentSpec cup;
    cup.golfers = {testing::member("Lee, Ann", "A1", 'F', 18), testing::member("Cox, Cy", "C3", 'M', 18)};
    testing::put_tournament(state, 1, cup);
  }
  void use_spreadsheet_source() {
    State& state = home.started();
    state.import_settings.import_source = 7;
    ASSERT_TRUE(write_record(state, RecordKind::import_settings, 1));
  }
  TestHome home;
};

TEST_F(CliExitStatus, ImportsThatWereNotDoneExitOneWhateverTheMessagesKind) {
  use_spreadsheet_source();
  std::ofstream(home.path() / "junk.xls") << "not a workbook";
  CliRun unreadable =
      cli(home, {"--tournament", "1", "--file", (home.path() / "junk.xls").string(), "--cancel", "1105"});
  EXPECT_NE(unreadable.err.find("Spreadsheet Access Error: An error was encountered accessing the Excel spreadsheet."),
            std::string::npos)
      << unreadable.err;
  EXPECT_EQ(unreadable.status, 1);

  CliRun missing = cli(home, {"--tournament", "1", "--file", (home.path() / "none.xls").string(), "--cancel", "1105"});
  EXPECT_NE(missing.err.find("The import was NOT successfully completed."), std::string::npos) << missing.err;
  EXPECT_EQ(missing.status, 1);

  CliRun cancelled = cli(home, {"--tournament", "1", "--file", "", "--cancel", "1105"});
  EXPECT_NE(cancelled.err.find("The import was cancelled as requested."), std::string::npos) << cancelled.err;
  EXPECT_EQ(cancelled.status, 0);
}

TEST_F(CliExitStatus, ABackupBlockedByALockedWorkingFileExitsOne) {
  std::filesystem::create_directories(home.path() / "qlwin4.bkp" / "held");
  CliRun blocked = cli(home, {"1103"});
  EXPECT_NE(blocked.err.find("appears to be locked"), std::string::npos) << blocked.err;
  EXPECT_EQ(blocked.status, 1);
}

TEST_F(CliExitStatus, FlightsOnATeamFormatExitOneAndAnAnsweredNoExitsZero) {
  State& state = home.started();
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  state.header.format = 13;  // Scramble
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 1));
  CliRun flights = cli(home, {"--tournament", "1", "1409"});
  EXPECT_NE(flights.err.find("Reorganization of flights based on Handicap Index is not possible"), std::string::npos)
      << flights.err;
  EXPECT_EQ(flights.status, 1);

  CliRun kept = cli(home, {"--tournament", "1", "--answer", "no", "1501"});
  EXPECT_EQ(kept.status, 0) << kept.err;
  State& after = home.started();
  ASSERT_TRUE(read_record(after, RecordKind::tournament, 1));
  EXPECT_FALSE(tournament_slot_free(after.header));
}

TEST_F(CliExitStatus, MoreGroupsThanTheGroupCountHoldsAreRefusedAloud) {
  CliRun singles = cli(home, {"--set", "name=Singles", "--set", "group_size=1", "--set", "group_count=800", "1301"});
  EXPECT_EQ(singles.err.substr(singles.err.find('\n') + 1),  // after the first start's update message
            "Quillon - Information: With 1 golfer(s) per group a tournament can hold at most 255 groups, as the "
            "number of groups is stored in one byte.  The tournament has 255 groups instead of 800.\n");
  EXPECT_EQ(singles.status, 1);
  State& after = home.started();
  ASSERT_TRUE(read_record(after, RecordKind::tournament, 2));
  EXPECT_EQ(after.header.group_count, 255);
}

TEST_F(CliExitStatus, TheHelpTextStatesTheRule) {
  CliRun help = cli(home, {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("  0  the command did what it was asked; or the user's own answer stopped it"),
            std::string::npos);
  EXPECT_NE(help.out.find("  1  a message said the command was not done, whatever the message box's kind"),
            std::string::npos);
}

// Runs with PATH set to `path` for the length of the scope.
class PathFor {
 public:
  explicit PathFor(const std::string& path) {
    const char* old = std::getenv("PATH");
    had_ = old != nullptr;
    if (had_) old_ = old;
    setenv("PATH", path.c_str(), 1);
  }
  ~PathFor() {
    if (had_) setenv("PATH", old_.c_str(), 1);
    else unsetenv("PATH");
  }
  PathFor(const PathFor&) = delete;
  PathFor& operator=(const PathFor&) = delete;

 private:
  bool had_ = false;
  std::string old_;
};

TEST(PageOpener, StartsWithoutAShellAndTellsWhenTheOpenerCannotStartOrFails) {
  EXPECT_TRUE(cli::start_opener("/tmp/page with 'quotes' & more.html", "true"));
  EXPECT_FALSE(cli::start_opener("/tmp/page.html", "false"));  // the opener found no desktop
  EXPECT_FALSE(cli::start_opener("/tmp/page.html", "/nonexistent/opener"));
}

TEST_F(CliExitStatus, WithoutAnOpenerOpenPrintsThePagesLocation) {
  const std::filesystem::path no_programs = home.path() / "no-programs";
  std::filesystem::create_directories(no_programs);
  CliRun list;
  {
    PathFor path(no_programs.string());
    list = cli(home, {"--open", "1623"});
  }
  EXPECT_EQ(list.status, 0) << list.err;
  EXPECT_EQ(list.out, (home.path() / "qlwin4.html").string() + "\n");
}

}  // namespace
}  // namespace quillon
