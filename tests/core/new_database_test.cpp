// A newly created database: its exact bytes, the record offsets, and how
// reads behave around the edges of the file.
#include <gtest/gtest.h>

#include <cstring>

#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/core/database_test_support.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {
namespace {

constexpr const char* desktop_text =
    "This is a customizable message which can be used to save reminders.  It can be up to 250 "
    "characters long.  To customize this message select 'Maintenance' /  'System Configuration'.";

TEST(NewDatabase, HoldsExactlyTheCreationValues) {
  TestHome home;
  State& state = home.started();

  Bytes expected(15700, 0);
  expected[6] = 2025 & 0xFF;
  expected[7] = 2025 >> 8;
  expected[14] = 'a';
  expected[15] = ' ';
  expected[17] = 2;
  expected[18] = 0;
  expected[19] = 7;
  expected[30] = 250;
  expected[58] = 100;
  expected[66] = 0x06;
  expected[67] = 0x02;
  expected[68] = 50;
  for (int i = 0; i < 8; ++i) expected[78 + i] = static_cast<unsigned char>(7 - i);
  std::memcpy(expected.data() + 200 + 140, "c:\\rv4", 6);
  std::memcpy(expected.data() + 15400, desktop_text, std::strlen(desktop_text));

  Bytes actual = file_bytes(home.path() / "qlwin4.dat");
  EXPECT_EQ(actual.size(), 15700u);
  EXPECT_EQ(first_difference(actual, expected), -1);

  EXPECT_EQ(state.tournament_count, 0);
  EXPECT_EQ(state.tournament_base, 15700);
  EXPECT_EQ(state.desktop_message_offset, 15400);
  EXPECT_EQ(field_text(state.desktop_message.text), desktop_text);
  EXPECT_EQ(field_text(state.import_settings.ravelin_folder), "c:\\rv4");
  EXPECT_TRUE(home.ui.messages.empty());
}

TEST(NewDatabase, CreateRefusesAnExistingFile) {
  TestHome home;
  home.started();
  Bytes before = file_bytes(home.path() / "qlwin4.dat");
  auto other = home.new_state();
  EXPECT_FALSE(create_database(*other));
  EXPECT_EQ(first_difference(file_bytes(home.path() / "qlwin4.dat"), before), -1);
}

TEST(RecordOffsets, FollowTheFileLayout) {
  TestHome home;
  State& state = home.started();
  EXPECT_EQ(course_offset(1), 400);
  EXPECT_EQ(course_offset(50), 15100);
  EXPECT_EQ(course_offset(2450), 735100);
  EXPECT_EQ(desktop_message_offset_for(50), 15400);
  EXPECT_EQ(tournament_base_for(50), 15700);
  EXPECT_EQ(tournament_base_for(100), 30700);
  EXPECT_EQ(tournament_base_for(50, false), 15400);
  EXPECT_EQ(tournament_offset(state, 1), 15700);
  EXPECT_EQ(tournament_offset(state, 2), 163100);
  EXPECT_EQ(tournament_offset(state, 998), 15700 + 147400LL * 997);
  EXPECT_EQ(group_offset(state, 1, 1, 4), 19100);
  EXPECT_EQ(group_offset(state, 2, 3, 4), 163100 + 3400 + 2 * 720);
  state.tournament_count = 3;
  EXPECT_EQ(expected_file_length(state), 15700 + 3 * 147400);
}

TEST(CourseRecords, LandInTheirSlotsAndStayInsideTheCourseArea) {
  TestHome home;
  State& state = home.started();
  set_field_text(state.course.course_name, "Pine Ridge");
  state.course.men_slope = 131;
  ASSERT_TRUE(write_record(state, RecordKind::course, 3));
  Bytes bytes = file_bytes(home.path() / "qlwin4.dat");
  EXPECT_EQ(std::string(bytes.begin() + 1000, bytes.begin() + 1010), "Pine Ridge");
  EXPECT_EQ(bytes[1000 + 54], 131);
  EXPECT_EQ(bytes[999], 0);

  std::memset(&state.course, 0x55, sizeof state.course);
  EXPECT_EQ(read_record_counted(state, RecordKind::course, 3).value_or(-1), 300);
  EXPECT_EQ(field_text(state.course.course_name), "Pine Ridge");
  EXPECT_EQ(state.course.men_slope, 131);
  EXPECT_EQ(state.course.hole_count, 0);

  // Slot 0 and slot 51 would land on the import settings and the desktop message.
  EXPECT_FALSE(write_record(state, RecordKind::course, 0));
  EXPECT_FALSE(write_record(state, RecordKind::course, 51));
  EXPECT_EQ(first_difference(file_bytes(home.path() / "qlwin4.dat"), bytes), -1);
}

TEST(ReadRecord, NumberZeroReadsNothingAndLeavesTheBuffer) {
  TestHome home;
  State& state = home.started();
  set_field_text(state.course.course_name, "Kept");
  set_field_text(state.header.name, "Kept Too");
  state.current_tournament = 5;
  EXPECT_EQ(read_record_counted(state, RecordKind::course, 0).value_or(-1), 0);
  EXPECT_EQ(read_record_counted(state, RecordKind::tournament, 0).value_or(-1), 0);
  EXPECT_EQ(read_record_counted(state, RecordKind::tournament, -3).value_or(-1), 0);
  EXPECT_EQ(read_record_counted(state, RecordKind::system, 0).value_or(-1), 0);
  EXPECT_EQ(field_text(state.course.course_name), "Kept");
  EXPECT_EQ(field_text(state.header.name), "Kept Too");
  EXPECT_EQ(state.current_tournament, 5);
  EXPECT_EQ(state.system.course_slot_count, 50);
}

TEST(ReadRecord, ReadsPastTheEndLeaveZeros) {
  TestHome home;
  State& state = home.started();
  // No tournament yet: nothing to read, the buffer is cleared all the same.
  set_field_text(state.header.name, "Stale");
  EXPECT_EQ(read_record_counted(state, RecordKind::tournament, 1).value_or(-1), 0);
  EXPECT_EQ(state.header.name[0], 0);
  EXPECT_EQ(state.current_tournament, 1);

  // A file ending 100 bytes into tournament 1 reads 100 bytes of it.
  char head[100];
  std::memset(head, 'x', sizeof head);
  head[0] = 126;
  head[1] = 6;
  head[2] = 2;
  ASSERT_TRUE(state.db.write_at(15700, head, sizeof head));
  std::memset(&state.header, 0x55, sizeof state.header);
  EXPECT_EQ(read_record_counted(state, RecordKind::tournament, 1).value_or(-1), 100);
  EXPECT_EQ(state.header.date_year, 126);
  EXPECT_EQ(field_text(state.header.name), std::string(36, 'x'));
  EXPECT_EQ(state.header.address_line3[8], 'x');  // byte 99, the last one read
  EXPECT_EQ(state.header.address_line3[9], 0);
  EXPECT_EQ(state.header.group_size, 0);
  EXPECT_EQ(state.header.notes[2999], 0);
}

}  // namespace
}  // namespace quillon::testing
