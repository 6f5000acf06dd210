// Courses of the Ravelin database imported at start-up.
#include <gtest/gtest.h>

#include "exchange/imports/course_import.h"
#include "tests/exchange/support/exchange_fixture.h"
#include "tests/exchange/support/ravelin_file.h"

namespace quillon::testing {
namespace {

TEST(CourseImport, NewCoursesInFreeSlotsAndTheSameNamesNotTwice) {
  TestHome home;
  State& state = home.started();
  put_plain_course(state, 1, "PINE HILLS", "BLUE", 18);
  put_plain_course(state, 3, "Elm", "Red", 18);  // slot 2 is free
  RavelinFile file;
  CourseRecord invalid = checked_course("Broken", "White");
  invalid.men_slope = 20;
  file.course(1, checked_course("Pine Hills", "Blue"));
  file.course(2, invalid);
  file.course(3, checked_course("Oak", "Gold"));
  file.save(home.path() / "rvwin4.dat");
  state.ravelin_path = "rvwin4.dat";

  CourseImportCounts counts = import_courses(state);
  EXPECT_EQ(counts.imported, 1);
  EXPECT_EQ(counts.invalid, 1);
  read_record(state, RecordKind::course, 2);
  EXPECT_EQ(std::string(state.course.course_name), "Oak");
  EXPECT_EQ(state.course_count, 3);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].text,
            "1 course(s) of the Ravelin for Windows database did not pass the course checks and were not imported.  "
            "Correct them in Ravelin for Windows to have them imported.");

  home.ui.messages.clear();
  EXPECT_EQ(import_courses(state).imported, 0);  // everything valid is here now
}

TEST(CourseImport, OtherVersionsDoNothingAndTooManySlotsWarn) {
  TestHome home;
  State& state = home.started();
  RavelinFile file;
  file.course(1, checked_course("Oak", "Gold"));
  file.version(2025, 'b');
  file.save(home.path() / "rvwin4.dat");
  state.ravelin_path = "rvwin4.dat";
  EXPECT_EQ(import_courses(state).imported, 0);
  EXPECT_TRUE(home.ui.messages.empty());

  file.version(2025, 'a');
  file.save(home.path() / "rvwin4.dat");
  state.system.course_slot_count = 2;  // Ravelin keeps 3
  EXPECT_EQ(import_courses(state).imported, 0);
  EXPECT_EQ(home.ui.last_message()->text.substr(0, 104),
            "Ravelin for Windows is configured to store up to 3 courses but Quillon for Windows is configured to stor");
}

}  // namespace
}  // namespace quillon::testing
