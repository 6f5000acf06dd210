// Re-organize Foursomes' OK killed at any step of writing the groups leaves
// the old arrangement or the new one, never golfers doubled or lost: the next
// start rolls back what the killed run left. The kills are real (SIGKILL in a
// child process).
#include <gtest/gtest.h>

#include <random>

#include "core/file_io.h"
#include "core/fixed_text.h"
#include "core/text.h"
#include "tests/scoring/scoring_fixture.h"
#include "tests/testing/killed_run.h"
#include "tournament/reorganize.h"

namespace quillon {
namespace {

using testing::TestHome;

constexpr int golfers = 160;

// 160 golfers named in descending order, so that Alpha turns the field round.
void put_field(State& state) {
  state.course = testing::scoring_tee();
  ASSERT_TRUE(write_record(state, RecordKind::course, 1));
  state.course_count = 1;
  state.header = testing::scoring_header(Format::net, 4);
  set_field_text(state.header.name, "Club Day");
  state.header.group_count = golfers / 4;
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 1));
  state.tournament_count = 1;
  for (int g = 1; g <= golfers / 4; ++g) {
    state.group = GroupBuffer{};
    for (int s = 0; s < 4; ++s) {
      set_field_text(state.group.entries[s].name, format_text(16, "G%03d", golfers - ((g - 1) * 4 + s)));
      state.group.entries[s].gender = 'M';
      state.group.entries[s].division = 1;
    }
    ASSERT_TRUE(write_record(state, RecordKind::group, g));
  }
}

void sort_by_name(State& state) {
  std::mt19937 random(7);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  ReorganizeModel model(state, ReorganizeMode::reorganise, nullptr, random);
  if (!model.press("Alpha").is_ok() || !model.accept()) ::_exit(6);
}

TEST(ReorganizeKilled, AtEveryStepOfOkLeavesTheOldArrangementOrTheNew) {
  TestHome home;
  State& state = home.started();
  put_field(state);
  const std::filesystem::path db = home.path() / "qlwin4.dat";
  const std::string old_file = testing::whole_file(db);

  // The sorted field, as a run that is not killed leaves it.
  ASSERT_FALSE(testing::killed_at_commit_step(state, 1 << 30, [&] { sort_by_name(state); }));
  const std::string new_file = testing::database_after_restart(home.path());
  ASSERT_FALSE(new_file == old_file);

  int old_found = 0;
  for (int step = 0;; step += 3) {
    testing::put_whole_file(db, old_file);
    const bool killed = testing::killed_at_commit_step(state, step, [&] { sort_by_name(state); });
    const std::string now = testing::database_after_restart(home.path());
    ASSERT_TRUE(now == old_file || now == new_file) << "killed at step " << step;
    if (!killed) break;
    old_found += now == old_file;
  }
  EXPECT_GT(old_found, 60);  // every third of some 210 steps
  testing::put_whole_file(db, new_file);

  // The run that finished stored the sorted field, every golfer once.
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  std::vector<std::string> names;
  for (int g = 1; g <= state.header.group_count; ++g) {
    ASSERT_TRUE(read_record(state, RecordKind::group, g));
    for (int s = 0; s < 4; ++s) names.push_back(field_text(state.group.entries[s].name));
  }
  ASSERT_EQ(names.size(), static_cast<std::size_t>(golfers));
  for (int i = 0; i < golfers; ++i) EXPECT_EQ(names[static_cast<std::size_t>(i)], format_text(16, "G%03d", i + 1));
}

TEST(ReorganizeKilled, OkWritesEveryGroupWithOneFlushOfTheFile) {
  TestHome home;
  State& state = home.started();
  put_field(state);
  const long before = flush_count();
  sort_by_name(state);
  // The journal and its folder, then the database.
  EXPECT_EQ(flush_count() - before, 3);
}

}  // namespace
}  // namespace quillon
