// A course command whose database read fails stops with the read error and
// changes nothing.
#include <gtest/gtest.h>

#include "core/fixed_text.h"
#include "courses/course_commands.h"
#include "tests/courses/course_fixtures.h"
#include "tests/testing/files.h"
#include "tests/testing/read_failure.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {
namespace {

TEST(CourseReadFailure, RemoveStopsWhenTheTournamentsUsingTheCourseCannotBeRead) {
  TestHome home;
  State& state = home.started();
  put_course(state, 1, "Oak", "White");
  put_tournament(state, 1, "Spring Cup", 4, 12, {{0, 1}});
  const std::string before = file_contents(home.path() / "qlwin4.dat");
  home.ui.messages.clear();

  // The only course is read twice (chosen without asking, then into the
  // buffer); the tournament header that uses it is then unreadable.
  state.db.fail_reads_after(2 * course_record_size);
  home.ui.answer(Button::yes);  // would confirm the removal
  Status removed = remove_course(state);
  state.db.fail_reads_after(std::nullopt);

  EXPECT_FALSE(removed);
  EXPECT_FALSE(removed.needs_telling());
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{testing::injected_read_error});
  EXPECT_EQ(file_contents(home.path() / "qlwin4.dat"), before);
  EXPECT_EQ(field_text(course_in_slot(state, 1).course_name), "Oak");
}

}  // namespace
}  // namespace quillon::testing
