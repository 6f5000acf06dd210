// Adding a tournament on a nearly full disk: the space of the new block is
// claimed before anything is written, so the failure leaves no tournament
// behind and its message is true.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/testing/file_size_limit.h"
#include "tests/testing/files.h"
#include "tests/tournament/tournament_fixture.h"
#include "tournament/tournament_commands.h"

namespace quillon {
namespace {

using testing::TestHome;

TEST(AddTournament, AFullDiskAddsNothingAndSaysSo) {
  TestHome home;
  State& state = home.started();
  testing::put_course(state, 1, "Pine Valley", "PV", "Blue", 18);
  const auto db = home.path() / "qlwin4.dat";
  const std::string before = testing::file_contents(db);
  const auto sequence_before = state.system.next_tournament_id;
  home.ui.messages.clear();

  home.ui.dialog({{{"name", "Spring Medal"}, {"date", "2026-04-12"}}, false, false});
  int added = 0;
  {
    testing::FileSizeLimit limit(before.size() + 5000);
    added = add_tournament(state);
  }

  EXPECT_EQ(added, 0);
  EXPECT_EQ(std::filesystem::file_size(db), before.size());
  EXPECT_EQ(state.tournament_count, 0);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].text,
            "There is not enough free disk space to add the tournament (write: File too large).\n\n"
            "The tournament was NOT added.");
  // Only the sequence counter moved on (numbers are never handed out twice).
  State& again = home.started();
  EXPECT_EQ(again.tournament_count, 0);
  EXPECT_EQ(again.system.next_tournament_id, sequence_before + 1);

  // With space the same add works and lands in slot 1.
  home.ui.dialog({{{"name", "Spring Medal"}, {"date", "2026-04-12"}}, false, false});
  EXPECT_EQ(add_tournament(again), 1);
  EXPECT_EQ(std::filesystem::file_size(db), before.size() + 147400);
}

}  // namespace
}  // namespace quillon
