// The layout without a desktop message record, and group records that have no
// tournament to belong to.
#include <gtest/gtest.h>

#include <cstring>

#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/core/database_test_support.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {
namespace {

TEST(LayoutWithoutDesktopMessage, TournamentsStartWhereTheMessageWouldBe) {
  TestHome home;
  State& first = home.started();
  first.system.flags |= system_flag::no_desktop_message;
  ASSERT_TRUE(write_record(first, RecordKind::system, 1));
  testing::set_tournament_count(first, 0);
  EXPECT_EQ(testing::database_length(first), 15400);
  first.tournament_base = 15400;
  testing::put_tournament(first, 1, "Twilight League", 2026, 8, 4);
  ASSERT_TRUE(first.db.set_length(15400 + 147400));

  State& state = home.started();
  EXPECT_EQ(state.tournament_base, 15400);
  EXPECT_EQ(state.desktop_message_offset, 15400);
  EXPECT_EQ(state.tournament_count, 1);
  EXPECT_EQ(state.desktop_message.text[0], 0);
  ASSERT_EQ(read_record_counted(state, RecordKind::tournament, 1).value_or(-1), 3400);
  EXPECT_EQ(field_text(state.header.name), "Twilight League");

  // Writing the desktop message must not overwrite the tournament.
  Bytes before = file_bytes(home.path() / "qlwin4.dat");
  set_field_text(state.desktop_message.text, "Hello");
  EXPECT_TRUE(write_record(state, RecordKind::desktop_message, 1));
  EXPECT_EQ(first_difference(file_bytes(home.path() / "qlwin4.dat"), before), -1);
}

TEST(Groups, WithoutACurrentTournamentNothingIsWritten) {
  TestHome home;
  State& state = home.started();
  // With 500 course slots "tournament 0" would lie inside the course area.
  state.system.course_slot_count = 500;
  apply_database_layout(state);
  ASSERT_EQ(state.tournament_base, 150700);
  set_field_text(state.course.course_name, "Harbour Links");
  ASSERT_TRUE(write_record(state, RecordKind::course, 22));  // bytes 6700..6999
  Bytes before = file_bytes(home.path() / "qlwin4.dat");

  std::memset(&state.header, 0, sizeof state.header);
  state.header.group_size = 4;
  state.current_tournament = 0;
  set_field_text(state.group.entries[0].name, "Stray Golfer");
  EXPECT_FALSE(write_record(state, RecordKind::group, 1));
  EXPECT_EQ(first_difference(file_bytes(home.path() / "qlwin4.dat"), before), -1);
  EXPECT_EQ(read_record_counted(state, RecordKind::group, 1).value_or(-1), 0);
  EXPECT_EQ(state.group.entries[0].name[0], 0);
}

}  // namespace
}  // namespace quillon::testing
