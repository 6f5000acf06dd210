// Purging drops old tournaments and free slots, renumbers the rest and keeps
// multi-round events pointing at their days.
#include <gtest/gtest.h>

#include <cstring>

#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/core/database_test_support.h"
#include "tests/testing/killed_run.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::TestHome;

void add(State& state, int t, const std::string& name, int year, int month, int day,
         std::initializer_list<int> rounds = {}) {
  std::memset(&state.header, 0, sizeof state.header);
  state.header.date_year = static_cast<std::int8_t>(year - 1900);
  state.header.date_month = static_cast<std::int8_t>(month);
  state.header.date_day = static_cast<std::int8_t>(day);
  state.header.group_size = 3;
  set_field_text(state.header.name, name);
  int k = 0;
  for (int r : rounds) state.header.round_tournaments[k++] = static_cast<std::int16_t>(r);
  if (rounds.size() != 0) state.header.format = multi_round_format;
  ASSERT_TRUE(write_record(state, RecordKind::tournament, t));
  if (state.tournament_count < t) state.tournament_count = t;
}

std::vector<int> rounds_of(State& state, int t) {
  EXPECT_TRUE(read_record(state, RecordKind::tournament, t));
  std::vector<int> out;
  for (int k = 0; k < 5; ++k) out.push_back(state.header.round_tournaments[k]);
  return out;
}

TEST(Purge, DropsOldAndFreeSlotsRenumbersAndRelinksMultiRoundEvents) {
  TestHome home;
  State& state = home.started();
  add(state, 1, "Spring Open", 2024, 5, 1);
  // slot 2 stays free
  add(state, 3, "New Year Scramble", 2025, 1, 1);  // on the cut-off day: kept
  add(state, 4, "Autumn Day 1", 2024, 10, 1);
  add(state, 5, "Autumn Day 2", 2025, 9, 2);
  add(state, 6, "Autumn Classic", 2025, 9, 3, {4, 5, 3});
  add(state, 7, "Winter Series", 2025, 12, 6, {3, 5});
  add(state, 8, "", 2000, 1, 1);  // a free slot at the end
  ASSERT_EQ(read_record_counted(state, RecordKind::tournament, 5).value_or(-1), 3400);
  std::memset(&state.group, 0, sizeof state.group);
  set_field_text(state.group.entries[2].name, "Moved Golfer");
  ASSERT_TRUE(write_record(state, RecordKind::group, 266));  // 266 x 3 = 798: near the end of the block

  int purged = -1;
  EXPECT_TRUE(purge_tournaments(state, Date{125, 1, 1}, purged));
  EXPECT_EQ(purged, 2);

  EXPECT_EQ(state.tournament_count, 4);
  EXPECT_EQ(testing::database_length(state), 15700 + 4 * 147400);
  const char* names[] = {"New Year Scramble", "Autumn Day 2", "Autumn Classic", "Winter Series"};
  for (int t = 1; t <= 4; ++t) {
    ASSERT_TRUE(read_record(state, RecordKind::tournament, t));
    EXPECT_EQ(field_text(state.header.name), names[t - 1]) << "tournament " << t;
  }
  // Day 4 is gone: the event keeps its two remaining days under their new numbers.
  EXPECT_EQ(rounds_of(state, 3), (std::vector<int>{2, 1, 0, 0, 0}));
  EXPECT_EQ(rounds_of(state, 4), (std::vector<int>{1, 2, 0, 0, 0}));

  ASSERT_EQ(read_record_counted(state, RecordKind::tournament, 2).value_or(-1), 3400);
  ASSERT_EQ(read_record_counted(state, RecordKind::group, 266).value_or(-1), 540);
  EXPECT_EQ(field_text(state.group.entries[2].name), "Moved Golfer");
}

TEST(Purge, NothingBeforeTheCutOffAndNoFreeSlotsLeavesTheFileAlone) {
  TestHome home;
  State& state = home.started();
  add(state, 1, "Member Guest", 2026, 6, 20);
  add(state, 2, "Two Day Member Guest", 2026, 6, 21, {1});
  testing::set_tournament_count(state, 2);  // full blocks, as the file always has
  auto before = testing::file_bytes(home.path() / "qlwin4.dat");
  int purged = -1;
  EXPECT_TRUE(purge_tournaments(state, Date{126, 1, 1}, purged));
  EXPECT_EQ(purged, 0);
  EXPECT_EQ(state.tournament_count, 2);
  EXPECT_EQ(testing::first_difference(testing::file_bytes(home.path() / "qlwin4.dat"), before), -1);
}

TEST(Purge, KilledAtAnyStepLeavesTheFileBeforeThePurgeOrAfterIt) {
  TestHome home;
  State& state = home.started();
  add(state, 1, "Spring Open", 2024, 5, 1);
  add(state, 3, "New Year Scramble", 2025, 1, 1);
  add(state, 4, "Autumn Day 1", 2024, 10, 1);
  add(state, 5, "Autumn Day 2", 2025, 9, 2);
  add(state, 6, "Autumn Classic", 2025, 9, 3, {4, 5, 3});
  testing::set_tournament_count(state, 6);
  const std::filesystem::path db = home.path() / "qlwin4.dat";
  const std::string before = testing::whole_file(db);
  auto purge = [&] {
    int purged = 0;
    if (!purge_tournaments(state, Date{125, 1, 1}, purged) || purged != 2) ::_exit(6);
  };
  ASSERT_FALSE(testing::killed_at_commit_step(state, 1 << 30, purge));
  const std::string after = testing::database_after_restart(home.path());
  ASSERT_EQ(after.size(), 15700u + 3 * 147400u);

  int before_found = 0;
  for (int step = 0;; step += 2) {
    testing::put_whole_file(db, before);
    const bool killed = testing::killed_at_commit_step(state, step, purge);
    const std::string now = testing::database_after_restart(home.path());
    ASSERT_TRUE(now == before || now == after) << "killed at step " << step << ": " << now.size() << " bytes";
    if (!killed) break;
    before_found += now == before;
  }
  EXPECT_GT(before_found, 3);
}

}  // namespace
}  // namespace quillon
