// Writes that do not reach the disk are reported to the user and to the caller.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/database.h"
#include "core/database_startup.h"
#include "core/fixed_text.h"
#include "tests/core/database_test_support.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::TestHome;

constexpr const char* full_disk_text =
    "The Quillon database could not be written (write: No space left on device).\n\n"
    "The last change was NOT saved.";

// A database file on which every write fails with "no space left".
std::unique_ptr<State> full_disk_database(TestHome& home) {
  std::filesystem::create_symlink("/dev/full", home.path() / "qlwin4.dat");
  auto state = home.new_state();
  if (!open_database(*state)) return nullptr;
  state->system.course_slot_count = 50;
  apply_database_layout(*state);
  return state;
}

TEST(WriteFailure, IsReportedAsAnErrorAndReturnsFalse) {
  TestHome home;
  auto state = full_disk_database(home);
  ASSERT_NE(state, nullptr);

  EXPECT_FALSE(write_record(*state, RecordKind::system, 1));
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].kind, 1);
  EXPECT_EQ(home.ui.messages[0].title, "Quillon - Error");
  EXPECT_EQ(home.ui.messages[0].text, full_disk_text);

  set_field_text(state->header.name, "Lost Cup");
  EXPECT_FALSE(write_record(*state, RecordKind::tournament, 1));
  state->header.group_size = 4;
  EXPECT_FALSE(write_record(*state, RecordKind::group, 1));
  EXPECT_FALSE(write_record(*state, RecordKind::course, 1));
  EXPECT_FALSE(write_record(*state, RecordKind::desktop_message, 1));
  ASSERT_EQ(home.ui.messages.size(), 5u);
  for (const auto& m : home.ui.messages) EXPECT_EQ(m.text, full_disk_text);
}

TEST(WriteFailure, ADatabaseThatCannotBeOpenedStopsTheStart) {
  TestHome home;
  // A link into a folder that does not exist: neither created nor opened.
  std::filesystem::create_symlink(home.path() / "missing" / "qlwin4.dat", home.path() / "qlwin4.dat");
  auto state = home.new_state();
  bool created = true;
  EXPECT_FALSE(open_or_create_database(*state, &created));
  EXPECT_FALSE(created);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].kind, 1);
  EXPECT_EQ(home.ui.messages[0].text, "Error Opening Quillon database");
}

using testing::FileSizeLimit;

TEST(WriteFailure, ADatabaseThatCannotBeCreatedInFullIsNotLeftBehind) {
  TestHome home;
  auto state = home.new_state();
  bool opened = false;
  {
    FileSizeLimit limit(10000);  // the new file needs 15700 bytes
    opened = open_or_create_database(*state).is_ok();
  }
  ASSERT_FALSE(home.ui.messages.empty());
  EXPECT_EQ(home.ui.messages[0].kind, 1);
  EXPECT_EQ(home.ui.messages[0].text,
            "The Quillon database could not be written (write: File too large).\n\n"
            "The last change was NOT saved.");
  // Starting on the half-made file would run with zero course slots now and
  // at every later start; the start must stop and the next one begin afresh.
  EXPECT_FALSE(opened);
  EXPECT_EQ(home.ui.messages.size(), 2u);
  EXPECT_EQ(home.ui.messages.back().text, "Error Opening Quillon database");
  EXPECT_FALSE(std::filesystem::exists(home.path() / "qlwin4.dat"));
}

TEST(WriteFailure, ACopyThatCannotBeCompletedKeepsTheOlderCopyAndSaysWhy) {
  TestHome home;
  State& state = home.started();
  const auto older = home.path() / "qlwin4db.sav";
  std::ofstream(older) << "the copy taken before";
  home.ui.messages.clear();
  Status changed = Status::ok();
  {
    FileSizeLimit limit(10000);  // the database has 15700 bytes
    changed = change_course_slot_count(state, 100);
  }
  EXPECT_FALSE(changed);
  EXPECT_FALSE(changed.needs_telling());
  EXPECT_FALSE(state.exit_requested);
  EXPECT_EQ(state.system.course_slot_count, 50);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].kind, 1);
  EXPECT_EQ(home.ui.messages[0].text,
            "A error was encountered making a backup copy of the database.  The requested change to the number of "
            "courses to be stored was NOT successfully completed.\n\ncannot write " +
                older.string() + ": File too large");
  std::ifstream kept(older);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "the copy taken before");
}

}  // namespace
}  // namespace quillon
