// Two programs starting at the same moment on an empty folder: one creates the
// database, the other opens the finished file; neither sees it half-made.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "core/database.h"
#include "core/database_startup.h"
#include "core/fixed_text.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::TestHome;

// What a starting program relies on: the settings the new file is made with.
bool starts_with_complete_settings(TestHome& home) {
  auto state = home.new_state();
  if (!open_or_create_database(*state)) return false;
  EXPECT_TRUE(read_configuration(*state));
  EXPECT_TRUE(finish_database_startup(*state));
  return state->system.course_slot_count == 50 && state->system.purge_reminder_limit == 250 &&
         field_text(state->import_settings.ravelin_folder) == default_ravelin_folder &&
         field_text(state->desktop_message.text) == default_desktop_message && state->db.length() == 15700;
}

TEST(FirstStartRace, BothStartersSeeAWholeDatabase) {
  constexpr int rounds = 12;
  for (int round = 0; round < rounds; ++round) {
    TestHome home;
    pid_t children[2];
    for (pid_t& child : children) {
      child = fork();
      if (child == 0) _exit(starts_with_complete_settings(home) ? 0 : 1);
    }
    for (pid_t child : children) {
      int status = 0;
      ASSERT_EQ(waitpid(child, &status, 0), child);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
    }
    EXPECT_TRUE(starts_with_complete_settings(home)) << "round " << round;
    // Nothing but the database is left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(home.path())) ++files;
    EXPECT_EQ(files, 1) << "round " << round;
  }
}

}  // namespace
}  // namespace quillon
