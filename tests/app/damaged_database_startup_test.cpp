// A start-up on a file whose system record is damaged refuses it and changes
// nothing; a sound start-up never drops data a damaged header still holds.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "app/startup.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/testing/files.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::TestHome;

// A started database with a course in slot 1 (used by both tournaments) and
// two tournaments of which the second has golfers in its last group.
void fill(TestHome& home) {
  auto state = home.new_state();
  int code = -1;
  ASSERT_TRUE(run_startup(*state, parse_startup_words({}), code));
  set_field_text(state->course.course_name, "Oak Hills");
  set_field_text(state->course.tee_name, "White");
  state->course.hole_count = 18;
  ASSERT_TRUE(write_record(*state, RecordKind::course, 1));
  for (int t = 1; t <= 2; ++t) {
    std::memset(&state->header, 0, sizeof state->header);
    set_field_text(state->header.name, "Cup " + std::to_string(t));
    state->header.date_year = 126;
    state->header.date_month = 5;
    state->header.date_day = 1;
    state->header.group_size = 4;
    state->header.division_tee[0] = 1;
    ASSERT_TRUE(write_record(*state, RecordKind::tournament, t));
  }
  std::memset(&state->group, 0, sizeof state->group);
  set_field_text(state->group.entries[3].name, "Last Golfer");
  ASSERT_TRUE(write_record(*state, RecordKind::group, 200));
}

// Changes the stored system record with `damage`, starts, and expects the
// refusal with `why` and the file's bytes unchanged.
void expect_refused(const std::function<void(SystemRecord&)>& damage, const std::string& why) {
  TestHome home;
  fill(home);
  const auto db = home.path() / "qlwin4.dat";
  {
    std::fstream f(db, std::ios::binary | std::ios::in | std::ios::out);
    SystemRecord s{};
    f.read(reinterpret_cast<char*>(&s), sizeof s);
    damage(s);
    f.seekp(0);
    f.write(reinterpret_cast<const char*>(&s), sizeof s);
  }
  const std::string before = testing::file_contents(db);
  home.ui.messages.clear();
  auto state = home.new_state();
  int code = 0;
  EXPECT_FALSE(run_startup(*state, parse_startup_words({}), code));
  EXPECT_EQ(code, 1);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].title, "Quillon - Error");
  EXPECT_EQ(home.ui.messages[0].text,
            "Error Opening Quillon database\n\n" + why + "\n\nThe file has been left unchanged.");
  EXPECT_TRUE(testing::file_contents(db) == before);
}

std::string bad_count(int slots) {
  return "The number of course slots recorded in the database (" + std::to_string(slots) +
         ") is not one this program sets (50 to 2450 in steps of 50); the database appears to be damaged.";
}

constexpr std::int64_t two_tournaments = 15700 + 2 * 147400;

TEST(DamagedSystemRecord, ACourseSlotCountThatCannotBeIsRefused) {
  for (int slots : {1, 49, 60, 0, -50, 2500})
    expect_refused([slots](SystemRecord& s) { s.course_slot_count = static_cast<std::int16_t>(slots); },
                   bad_count(slots));
}

TEST(DamagedSystemRecord, ACourseSlotCountTheFileDoesNotFitIsRefused) {
  expect_refused([](SystemRecord& s) { s.course_slot_count = 100; },
                 "The database file is " + std::to_string(two_tournaments) +
                     " bytes long, which does not fit the layout its system record describes (100 course slots, "
                     "with a desktop message); the system record appears to be damaged.");
  expect_refused([](SystemRecord& s) { s.course_slot_count = 1000; },
                 "The database file is " + std::to_string(two_tournaments) +
                     " bytes long, which does not fit the layout its system record describes (1000 course slots, "
                     "with a desktop message); the system record appears to be damaged.");
  expect_refused([](SystemRecord& s) { s.course_slot_count = 2000; },
                 "The database file is " + std::to_string(two_tournaments) +
                     " bytes long, shorter than the 600700 bytes its 2000 course slots need; the file appears to "
                     "be damaged or cut short.");
}

TEST(DamagedSystemRecord, AFlippedDesktopMessageFlagIsRefused) {
  expect_refused([](SystemRecord& s) { s.flags |= system_flag::no_desktop_message; },
                 "The database file is " + std::to_string(two_tournaments) +
                     " bytes long, which does not fit the layout its system record describes (50 course slots, "
                     "without a desktop message); the system record appears to be damaged.");
}

// Appends `bytes` to the database file.
void append(TestHome& home, const std::string& bytes) {
  std::ofstream(home.path() / "qlwin4.dat", std::ios::binary | std::ios::app) << bytes;
}

TEST(PartialLastBlock, AllZeroBytesAreAFreeSlotThatTheStartUpTrims) {
  TestHome home;
  fill(home);
  const auto db = home.path() / "qlwin4.dat";
  const std::string before = testing::file_contents(db);
  for (std::size_t zeros : {1000u, 1u, 3399u, 3401u, 147399u}) {
    append(home, std::string(zeros, '\0'));
    auto state = home.new_state();
    int code = -1;
    ASSERT_TRUE(run_startup(*state, parse_startup_words({}), code)) << zeros;
    EXPECT_EQ(state->tournament_count, 2) << zeros;
    EXPECT_TRUE(testing::file_contents(db) == before) << zeros;  // the zeros went, nothing else
  }
}

TEST(PartialLastBlock, OneThatHoldsDataIsRefusedForTheFilesLength) {
  TestHome home;
  fill(home);
  std::string tail(1000, '\0');
  tail[700] = 'x';
  append(home, tail);
  const auto db = home.path() / "qlwin4.dat";
  const std::string before = testing::file_contents(db);
  home.ui.messages.clear();
  auto state = home.new_state();
  int code = 0;
  EXPECT_FALSE(run_startup(*state, parse_startup_words({}), code));
  EXPECT_EQ(code, 1);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].text,
            "Error Opening Quillon database\n\nThe database file is " + std::to_string(two_tournaments + 1000) +
                " bytes long: after its 50 course slots and 2 whole tournaments it ends in 1000 bytes that hold data "
                "but are not a whole tournament header with whole golfer entries; the file's length does not fit and "
                "the file appears to be damaged.\n\nThe file has been left unchanged.");
  EXPECT_TRUE(testing::file_contents(db) == before);
}

TEST(PartialLastBlock, ZeroBytesDoNotExcuseASystemRecordThatFitsAnotherLayout) {
  // The last golfer's bytes are cleared, so that the 300 bytes a flipped
  // desktop message flag leaves over are zero: still refused.
  TestHome home;
  fill(home);
  const auto db = home.path() / "qlwin4.dat";
  {
    std::fstream f(db, std::ios::binary | std::ios::in | std::ios::out);
    f.seekp(two_tournaments - golfer_entry_size);
    f.write(std::string(golfer_entry_size, '\0').data(), golfer_entry_size);
    SystemRecord s{};
    f.seekg(0);
    f.read(reinterpret_cast<char*>(&s), sizeof s);
    s.flags |= system_flag::no_desktop_message;
    f.seekp(0);
    f.write(reinterpret_cast<const char*>(&s), sizeof s);
  }
  const std::string before = testing::file_contents(db);
  home.ui.messages.clear();
  auto state = home.new_state();
  int code = 0;
  EXPECT_FALSE(run_startup(*state, parse_startup_words({}), code));
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_NE(home.ui.messages[0].text.find("the system record appears to be damaged"), std::string::npos);
  EXPECT_TRUE(testing::file_contents(db) == before);
}

TEST(DamagedTournament, AHeaderWithItsNameZeroedKeepsItsGolfers) {
  TestHome home;
  fill(home);
  const auto db = home.path() / "qlwin4.dat";
  {
    std::fstream f(db, std::ios::binary | std::ios::in | std::ios::out);
    f.seekp(15700 + 147400 + offsetof(TournamentHeader, name));
    f.write(std::string(sizeof(TournamentHeader::name), '\0').data(), sizeof(TournamentHeader::name));
  }
  const std::string before = testing::file_contents(db);
  auto state = home.new_state();
  int code = -1;
  ASSERT_TRUE(run_startup(*state, parse_startup_words({}), code));
  EXPECT_EQ(state->tournament_count, 2);
  EXPECT_TRUE(testing::file_contents(db) == before);
}

TEST(ReservedCourseName, AnUnassignedCourseThatATournamentUsesStays) {
  TestHome home;
  fill(home);
  {
    auto state = home.new_state();
    int code = -1;
    ASSERT_TRUE(run_startup(*state, parse_startup_words({}), code));
    ASSERT_TRUE(read_record(*state, RecordKind::course, 1));
    set_field_text(state->course.course_name, "Unassigned");
    ASSERT_TRUE(write_record(*state, RecordKind::course, 1));
    // An unused one goes as before.
    set_field_text(state->course.course_name, "Unassigned");
    ASSERT_TRUE(write_record(*state, RecordKind::course, 2));
  }
  auto state = home.new_state();
  int code = -1;
  ASSERT_TRUE(run_startup(*state, parse_startup_words({}), code));
  ASSERT_TRUE(read_record(*state, RecordKind::course, 1));
  EXPECT_EQ(field_text(state->course.course_name), "Unassigned");
  EXPECT_EQ(field_text(state->course.tee_name), "White");
  ASSERT_TRUE(read_record(*state, RecordKind::course, 2));
  EXPECT_EQ(field_text(state->course.course_name), "");
}

}  // namespace
}  // namespace quillon
