// Changing the number of course slots moves every tournament block and keeps
// a byte copy of the file as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/core/database_test_support.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::Bytes;
using testing::file_bytes;
using testing::first_difference;
using testing::slice;
using testing::TestHome;

constexpr const char* restart_text =
    "A configuration item has been changed which requires that Quillon be restarted.\n\n"
    "Quillon will automatically shut down after you click OK.";

// Two tournaments with golfers, a course in the last slot and an own desktop message.
void fill(State& state) {
  set_field_text(state.course.course_name, "Last Slot Links");
  ASSERT_TRUE(write_record(state, RecordKind::course, 50));
  set_field_text(state.desktop_message.text, "Tee sheets are due on Friday.");
  ASSERT_TRUE(write_record(state, RecordKind::desktop_message, 1));
  for (int t = 1; t <= 2; ++t) {
    std::memset(&state.header, 0, sizeof state.header);
    state.header.group_size = 4;
    set_field_text(state.header.name, "Tournament " + std::to_string(t));
    ASSERT_TRUE(write_record(state, RecordKind::tournament, t));
    std::memset(&state.group, 0, sizeof state.group);
    set_field_text(state.group.entries[3].name, "Golfer of " + std::to_string(t));
    ASSERT_TRUE(write_record(state, RecordKind::group, 200));  // the last bytes of the block
  }
  state.tournament_count = 2;
}

TEST(CourseSlotChange, GrowingMovesEveryTournamentAndShrinkingMovesThemBack) {
  TestHome home;
  fill(home.started());
  const std::filesystem::path db = home.path() / "qlwin4.dat";
  const std::filesystem::path copy = home.path() / "qlwin4db.sav";
  Bytes original = file_bytes(db);
  ASSERT_EQ(original.size(), 15700u + 2 * 147400);

  State& state = home.started();
  home.ui.messages.clear();
  EXPECT_TRUE(change_course_slot_count(state, 100));

  EXPECT_EQ(first_difference(file_bytes(copy), original), -1);
  Bytes grown = file_bytes(db);
  ASSERT_EQ(grown.size(), 30700u + 2 * 147400);
  for (int t = 0; t < 2; ++t)
    EXPECT_EQ(
        first_difference(slice(grown, 30700 + 147400LL * t, 147400), slice(original, 15700 + 147400LL * t, 147400)), -1)
        << "tournament " << t + 1;
  EXPECT_EQ(first_difference(slice(grown, 400, 15000), slice(original, 400, 15000)), -1);  // slots 1..50
  EXPECT_TRUE(testing::all_zero(slice(grown, 15400, 15000)));  // slots 51..100
  EXPECT_EQ(first_difference(slice(grown, 30400, 300), slice(original, 15400, 300)), -1);  // desktop message
  EXPECT_EQ(grown[68], 100);
  EXPECT_EQ(first_difference(slice(grown, 0, 68), slice(original, 0, 68)), -1);
  EXPECT_EQ(first_difference(slice(grown, 70, 330), slice(original, 70, 330)), -1);

  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].kind, 2);
  EXPECT_EQ(home.ui.messages[0].text, restart_text);
  EXPECT_TRUE(state.exit_requested);

  // The next start-up finds the tournaments at their new places.
  State& restarted = home.started();
  EXPECT_EQ(restarted.tournament_base, 30700);
  EXPECT_EQ(restarted.tournament_count, 2);
  ASSERT_EQ(read_record_counted(restarted, RecordKind::tournament, 2).value_or(-1), 3400);
  EXPECT_EQ(field_text(restarted.header.name), "Tournament 2");
  ASSERT_EQ(read_record_counted(restarted, RecordKind::group, 200).value_or(-1), 720);
  EXPECT_EQ(field_text(restarted.group.entries[3].name), "Golfer of 2");
  EXPECT_EQ(field_text(restarted.desktop_message.text), "Tee sheets are due on Friday.");

  home.ui.messages.clear();
  EXPECT_TRUE(change_course_slot_count(restarted, 50));
  EXPECT_EQ(first_difference(file_bytes(copy), grown), -1);
  EXPECT_EQ(first_difference(file_bytes(db), original), -1);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].text, restart_text);
  EXPECT_TRUE(restarted.exit_requested);
}

TEST(CourseSlotChange, AFailedCopyChangesNothing) {
  TestHome home;
  fill(home.started());
  State& state = home.started();
  Bytes before = file_bytes(home.path() / "qlwin4.dat");
  std::filesystem::create_directory(home.path() / "qlwin4db.sav");  // cannot be written as a file
  home.ui.messages.clear();

  EXPECT_FALSE(change_course_slot_count(state, 100));
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].kind, 1);
  EXPECT_EQ(home.ui.messages[0].text,
            "A error was encountered making a backup copy of the database.  The requested change to the number "
            "of courses to be stored was NOT successfully completed.\n\ncannot replace " +
                (home.path() / "qlwin4db.sav").string() + ": Is a directory");
  EXPECT_FALSE(std::filesystem::exists(home.path() / "qlwin4db.sav.new"));
  EXPECT_EQ(first_difference(file_bytes(home.path() / "qlwin4.dat"), before), -1);
  EXPECT_EQ(state.system.course_slot_count, 50);
  EXPECT_EQ(state.tournament_base, 15700);
  EXPECT_FALSE(state.exit_requested);
}

TEST(CourseSlotChange, TheSameCountIsNoChange) {
  TestHome home;
  State& state = home.started();
  EXPECT_TRUE(change_course_slot_count(state, 50));
  EXPECT_FALSE(std::filesystem::exists(home.path() / "qlwin4db.sav"));
  EXPECT_TRUE(home.ui.messages.empty());
  EXPECT_FALSE(state.exit_requested);
}

}  // namespace
}  // namespace quillon
