// Adding a tournament killed (SIGKILL) at any step of storing it leaves no
// tournament or the whole new one with its 800 empty golfer entries, and the
// store flushes the file once, however many groups it writes.
#include <gtest/gtest.h>

#include "core/database.h"
#include "core/file_io.h"
#include "core/fixed_text.h"
#include "tests/testing/killed_run.h"
#include "tests/testing/tournament_header.h"
#include "tests/tournament/tournament_fixture.h"
#include "tournament/tournament_commands.h"

namespace quillon {
namespace {

using testing::TestHome;

TournamentHeader two_hundred_groups() { return testing::plain_tournament_header("Big Open", 4, 200); }

TEST(NewTournamentKilled, AtAnyStepLeavesNoTournamentOrTheWholeOne) {
  TestHome home;
  State& state = home.started();
  testing::put_course(state, 1, "Pine Valley", "PV", "Blue", 18);
  // A free slot that held a field before: the new tournament must clear it.
  state.header = two_hundred_groups();
  set_field_text(state.header.name, "Old Open");
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 1));
  state.tournament_count = 1;
  ASSERT_TRUE(resize_database(state));
  set_field_text(state.group.entries[0].name, "Left Behind");
  ASSERT_TRUE(write_record(state, RecordKind::group, 100));
  std::memset(&state.header, 0, sizeof state.header);
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 1));

  const std::filesystem::path db = home.path() / "qlwin4.dat";
  const std::string before = testing::whole_file(db);
  auto store = [&] {
    state.header = two_hundred_groups();
    if (store_new_tournament(state) != 1) ::_exit(6);
  };
  ASSERT_FALSE(testing::killed_at_commit_step(state, 1 << 30, store));
  const std::string after = testing::database_after_restart(home.path());
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(after.find("Left Behind"), std::string::npos);
  EXPECT_NE(after.find("Big Open"), std::string::npos);

  int before_found = 0;
  for (int step = 0;; step += 3) {
    testing::put_whole_file(db, before);
    const bool killed = testing::killed_at_commit_step(state, step, store);
    const std::string now = testing::database_after_restart(home.path());
    ASSERT_TRUE(now == before || now == after) << "killed at step " << step;
    if (!killed) break;
    before_found += now == before;
  }
  // Until group 100 has been written the old slot comes back; after it, the
  // file already holds the new state whole (the other groups were zero
  // before), which the next opener keeps.
  EXPECT_GT(before_found, 25);

  testing::put_whole_file(db, before);
  const long flushes = flush_count();
  state.header = two_hundred_groups();
  EXPECT_EQ(store_new_tournament(state), 1);
  // The journal and its folder, then the file.
  EXPECT_EQ(flush_count() - flushes, 3);
}

}  // namespace
}  // namespace quillon
