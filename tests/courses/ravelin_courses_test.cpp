#include "courses/ravelin_courses.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <vector>

#include "core/fixed_text.h"
#include "courses/course_commands.h"
#include "tests/courses/course_fixtures.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {
namespace {

// A Ravelin file with three course slots: the header, the first records and
// the course area, nothing after it.
void write_ravelin(const std::filesystem::path& path, const std::vector<CourseRecord>& courses, int version = 2025,
                   char letter = 'a') {
  std::vector<char> bytes(912 + 300 * 4, 0);
  bytes[6] = static_cast<char>(version & 0xff);
  bytes[7] = static_cast<char>(version >> 8);
  bytes[10] = letter;
  bytes[98] = 3;
  for (std::size_t n = 0; n < courses.size(); ++n) std::memcpy(&bytes[912 + 300 * (n + 1)], &courses[n], 300);
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TEST(RavelinCourses, SameCourseAndTeeThatTheImportWouldTake) {
  TestHome home;
  State& state = home.started();
  CourseRecord no_par = par_four_course("Pine", "Blue");
  no_par.men_par[0] = 0;
  write_ravelin(home.path() / "rvwin4.dat",
                {par_four_course("Elm", "Red"), par_four_course("OAK HILL", "white"), no_par});

  EXPECT_FALSE(course_in_ravelin(state, par_four_course("Oak Hill", "White")));  // no file configured
  state.ravelin_path = "rvwin4.dat";
  EXPECT_TRUE(course_in_ravelin(state, par_four_course("Oak Hill", "White")));
  EXPECT_TRUE(course_in_ravelin(state, par_four_course("Elm", "Red")));
  EXPECT_FALSE(course_in_ravelin(state, par_four_course("Oak Hill", "Blue")));
  EXPECT_FALSE(course_in_ravelin(state, par_four_course("Oak", "White")));
  EXPECT_FALSE(course_in_ravelin(state, par_four_course("Pine", "Blue")));  // not imported without a hole-1 par

  write_ravelin(home.path() / "rvwin4.dat", {par_four_course("Elm", "Red")}, 2025, 'b');
  EXPECT_FALSE(course_in_ravelin(state, par_four_course("Elm", "Red")));
  state.ravelin_path = "missing.dat";
  EXPECT_FALSE(course_in_ravelin(state, par_four_course("Elm", "Red")));
  EXPECT_TRUE(home.ui.messages.empty());
}

TEST(RavelinCourses, RemovalWarnsThatTheCourseComesBack) {
  TestHome home;
  State& state = home.started();
  put_course(state, 1, "Elm", "Red");
  put_course(state, 2, "Oak", "White");
  write_ravelin(home.path() / "rvwin4.dat", {par_four_course("Elm", "Red")});
  state.ravelin_path = "rvwin4.dat";

  home.ui.select(SelectionKind::course, "2");
  home.ui.answer(Button::yes);
  ASSERT_TRUE(remove_course(state));
  EXPECT_EQ(home.ui.message_texts(),
            std::vector<std::string>{"Are you sure that you wish to remove the course (Oak - White)?"});

  home.ui.messages.clear();
  home.ui.answer(Button::yes);
  ASSERT_TRUE(remove_course(state));
  EXPECT_EQ(home.ui.message_texts(),
            (std::vector<std::string>{
                "Are you sure that you wish to remove the course (Elm - Red)?",
                "The selected course also exists in the Ravelin database.\n\nIf you do not remove this course from "
                "Ravelin, the course will automatically be imported the next time you start Quillon."}));
  EXPECT_EQ(home.ui.messages.back().kind, 2);
  EXPECT_EQ(course_in_slot(state, 1).course_name[0], 0);
  EXPECT_EQ(state.course_count, 0);
}

}  // namespace
}  // namespace quillon::testing
