#include "courses/course_startup.h"

#include <gtest/gtest.h>

#include "core/fixed_text.h"
#include "tests/courses/course_fixtures.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {
namespace {

TEST(CourseStartup, UpgradeFillsMissingTotals) {
  TestHome home;
  State& state = home.started();
  CourseRecord old = par_four_course("Oak", "White");
  old.women_total_par = 75;  // larger than the holes give: kept
  old.men_total_par = 0;
  old.men_par_f9 = 37;
  put_course(state, 1, old);
  CourseRecord complete = par_four_course("Pine", "White");
  complete.men_total_par = 70;
  complete.women_total_par = 71;
  put_course(state, 2, complete);
  CourseRecord nameless{};
  nameless.men_par[0] = 4;
  put_course(state, 3, nameless);
  // Leftover pars beyond the ninth hole of a nine-hole course are not counted.
  CourseRecord nine = par_four_course("Elm", "Red", 9);
  nine.men_total_par = nine.women_total_par = 0;
  for (int h = 9; h < 18; ++h) nine.men_par[h] = nine.women_par[h] = 5;
  put_course(state, 4, nine);

  ASSERT_TRUE(upgrade_course_records(state));
  CourseRecord oak = course_in_slot(state, 1);
  EXPECT_EQ(oak.men_total_par, 72);
  EXPECT_EQ(oak.men_par_f9, 37);
  EXPECT_EQ(oak.men_par_b9, 36);
  EXPECT_EQ(oak.women_total_par, 75);
  EXPECT_EQ(oak.women_par_f9, 36);
  EXPECT_EQ(course_in_slot(state, 2).men_total_par, 70);
  EXPECT_EQ(course_in_slot(state, 2).men_par_f9, 0);
  EXPECT_EQ(course_in_slot(state, 3).men_total_par, 0);
  CourseRecord elm = course_in_slot(state, 4);
  EXPECT_EQ(elm.men_total_par, 36);
  EXPECT_EQ(elm.men_par_f9, 36);
  EXPECT_EQ(elm.men_par_b9, 0);
  EXPECT_EQ(elm.women_total_par, 36);
}

TEST(CourseStartup, ScanClearsUnassignedAndRepairsTheDefault) {
  TestHome home;
  State& state = home.started();
  put_course(state, 1, "Unassigned", "White");
  put_course(state, 3, "Oak", "White");
  put_course(state, 4, "Unassigned", "Blue");
  state.course_count = 0;
  state.system.default_course = 1;
  EXPECT_TRUE(write_record(state, RecordKind::system, 1));
  ASSERT_TRUE(scan_courses(state));
  EXPECT_EQ(state.course_count, 3);
  EXPECT_EQ(course_in_slot(state, 1).course_name[0], 0);
  EXPECT_EQ(course_in_slot(state, 4).course_name[0], 0);
  ASSERT_TRUE(read_record(state, RecordKind::system, 1));
  EXPECT_EQ(state.system.default_course, 3);

  put_course(state, 2, "Pine", "White");
  state.system.default_course = 9;  // beyond the last course
  ASSERT_TRUE(scan_courses(state));
  ASSERT_TRUE(read_record(state, RecordKind::system, 1));
  EXPECT_EQ(state.system.default_course, 2);

  state.system.default_course = 3;
  EXPECT_TRUE(write_record(state, RecordKind::system, 1));
  ASSERT_TRUE(scan_courses(state));
  ASSERT_TRUE(read_record(state, RecordKind::system, 1));
  EXPECT_EQ(state.system.default_course, 3);
}

TEST(CourseStartup, DamagedCoursesRemovedUnlessInUse) {
  TestHome home;
  State& state = home.started();
  put_course(state, 1, "Oak", "White");
  put_course(state, 2, "Oak", " Blue");
  put_course(state, 3, "Oak", "");
  put_course(state, 4, "\x01Oak", "Red");
  put_course(state, 5, "Pine", "");
  put_tournament(state, 1, "Spring Cup", 4, 12, {{9, 5}});
  EXPECT_EQ(remove_damaged_courses(state).value_or(-1), 3);
  EXPECT_EQ(field_text(course_in_slot(state, 1).course_name), "Oak");
  EXPECT_EQ(course_in_slot(state, 2).course_name[0], 0);
  EXPECT_EQ(course_in_slot(state, 3).course_name[0], 0);
  EXPECT_EQ(course_in_slot(state, 4).course_name[0], 0);
  EXPECT_EQ(field_text(course_in_slot(state, 5).course_name), "Pine");
  EXPECT_EQ(state.course_count, 5);
}

}  // namespace
}  // namespace quillon::testing
