// Golfer entries are read and written a group at a time inside the current
// tournament's block.
#include <gtest/gtest.h>

#include <cstring>

#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/core/database_test_support.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::Bytes;
using testing::file_bytes;
using testing::TestHome;

std::string text_at(const Bytes& bytes, std::int64_t offset, std::size_t n) {
  return std::string(bytes.begin() + offset, bytes.begin() + offset + static_cast<std::int64_t>(n));
}

void name_group(State& state, int group_size, const std::string& prefix) {
  std::memset(&state.group, 0, sizeof state.group);
  for (int i = 0; i < group_size; ++i) set_field_text(state.group.entries[i].name, prefix + std::to_string(i + 1));
}

TEST(Groups, WithFourGolfersGroup200IsTheLastWritable) {
  TestHome home;
  State& state = home.started();
  state.header.group_size = 4;
  set_field_text(state.header.name, "Club Championship");
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(testing::database_length(state), 15700 + 3400);

  name_group(state, 4, "Last ");
  ASSERT_TRUE(write_record(state, RecordKind::group, 200));
  // 15700 + 3400 + 199 * 720: the group ends exactly at the end of the block.
  EXPECT_EQ(testing::database_length(state), 15700 + 147400);
  Bytes bytes = file_bytes(home.path() / "qlwin4.dat");
  EXPECT_EQ(text_at(bytes, 162380, 7), std::string("Last 1\0", 7));
  EXPECT_EQ(text_at(bytes, 162380 + 540, 6), "Last 4");

  name_group(state, 4, "Beyond ");
  EXPECT_FALSE(write_record(state, RecordKind::group, 201));
  EXPECT_FALSE(write_record(state, RecordKind::group, 0));
  EXPECT_EQ(testing::database_length(state), 15700 + 147400);
  EXPECT_EQ(testing::first_difference(file_bytes(home.path() / "qlwin4.dat"), bytes), -1);

  std::memset(&state.group, 0x55, sizeof state.group);
  EXPECT_EQ(read_record_counted(state, RecordKind::group, 200).value_or(-1), 720);
  EXPECT_EQ(state.current_group, 200);
  EXPECT_EQ(field_text(state.group.entries[0].name), "Last 1");
  EXPECT_EQ(field_text(state.group.entries[3].name), "Last 4");
  EXPECT_EQ(state.group.entries[4].name[0], 0);  // the fifth entry is cleared, not read
  EXPECT_EQ(state.group.entries[4].gross_score, 0);

  EXPECT_EQ(read_record_counted(state, RecordKind::group, 201).value_or(-1), 0);
  EXPECT_EQ(state.group.entries[0].name[0], 0);
}

TEST(Groups, FollowTheTournamentWhoseHeaderWasReadLast) {
  TestHome home;
  State& state = home.started();
  state.header.group_size = 5;
  set_field_text(state.header.name, "Fives");
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 1));
  std::memset(&state.header, 0, sizeof state.header);
  state.header.group_size = 2;
  set_field_text(state.header.name, "Pairs");
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 2));
  EXPECT_EQ(state.current_tournament, 2);

  name_group(state, 2, "Pair ");
  state.group.entries[1].handicap_index = -23;
  ASSERT_TRUE(write_record(state, RecordKind::group, 3));  // 163100 + 3400 + 2 * 360

  ASSERT_EQ(read_record_counted(state, RecordKind::tournament, 1).value_or(-1), 3400);
  name_group(state, 5, "Five ");
  ASSERT_TRUE(write_record(state, RecordKind::group, 2));  // 15700 + 3400 + 900

  Bytes bytes = file_bytes(home.path() / "qlwin4.dat");
  EXPECT_EQ(text_at(bytes, 167220, 6), "Pair 1");
  EXPECT_EQ(text_at(bytes, 167400, 6), "Pair 2");
  EXPECT_EQ(bytes[167400 + 152], 0xE9);  // -23 as little-endian i16
  EXPECT_EQ(bytes[167400 + 153], 0xFF);
  EXPECT_EQ(text_at(bytes, 20000, 6), "Five 1");
  EXPECT_EQ(text_at(bytes, 20720, 6), "Five 5");
  EXPECT_EQ(bytes[20900], 0);

  ASSERT_EQ(read_record_counted(state, RecordKind::tournament, 2).value_or(-1), 3400);
  EXPECT_EQ(read_record_counted(state, RecordKind::group, 3).value_or(-1), 360);
  EXPECT_EQ(field_text(state.group.entries[1].name), "Pair 2");
  EXPECT_EQ(state.group.entries[1].handicap_index, -23);
  EXPECT_EQ(state.group.entries[2].name[0], 0);
}

}  // namespace
}  // namespace quillon
