// A tournament command whose database read fails stops with the read error
// and writes nothing.
#include <gtest/gtest.h>

#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/testing/files.h"
#include "tests/testing/read_failure.h"
#include "tests/tournament/tournament_fixture.h"
#include "tournament/tournament_commands.h"

namespace quillon {
namespace {

using testing::file_contents;
using testing::put_course;
using testing::TestHome;

TEST(TournamentReadFailure, CopyStopsWhenAGroupCannotBeReadAndMakesNoCopy) {
  TestHome home;
  State& state = home.started();
  put_course(state, 1, "Pine Valley", "PV", "Blue", 18);
  home.ui.dialog({{{"name", "Spring Cup"}, {"date", "2026-05-01"}}, false, false});
  ASSERT_EQ(add_tournament(state), 1);
  ASSERT_TRUE(read_record(state, RecordKind::group, 1));
  set_field_text(state.group.entries[0].name, "Ann Lee");
  ASSERT_TRUE(write_record(state, RecordKind::group, 1));
  const std::string before = file_contents(home.path() / "qlwin4.dat");
  const int count_before = state.tournament_count;
  home.ui.messages.clear();

  // The copy reads the one header five times (the name check, the selection
  // list and the choice, the free slot, the source) and its course once for
  // the list; the first group is then unreadable.
  state.db.fail_reads_after(5 * tournament_header_size + course_record_size);
  int copied = copy_tournament(state, true);
  state.db.fail_reads_after(std::nullopt);

  EXPECT_EQ(copied, 0);
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{testing::injected_read_error});
  EXPECT_EQ(file_contents(home.path() / "qlwin4.dat"), before);
  EXPECT_EQ(state.tournament_count, count_before);
}

}  // namespace
}  // namespace quillon
