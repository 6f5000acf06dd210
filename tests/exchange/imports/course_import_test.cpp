// Courses of the Ravelin database imported at start-up.
#include <gtest/gtest.h>

#include "core/messages.h"
#include "exchange/imports/course_import.h"
#include "tests/exchange/support/exchange_fixture.h"
#include "tests/exchange/support/ravelin_file.h"
#include "tests/testing/read_failure.h"

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

  // A course with a name and a hole-1 men's par is imported even when it
  // fails the course dialog's checks; the user is told which ones, once.
  CourseImportCounts counts = import_courses(state).value();
  EXPECT_EQ(counts.imported, 2);
  EXPECT_EQ(counts.needing_attention, std::vector<std::string>{"Broken - White"});
  ASSERT_TRUE(read_record(state, RecordKind::course, 2));
  EXPECT_EQ(std::string(state.course.course_name), "Broken");
  EXPECT_EQ(state.course.men_slope, 20);
  ASSERT_TRUE(read_record(state, RecordKind::course, 4));
  EXPECT_EQ(std::string(state.course.course_name), "Oak");
  EXPECT_EQ(state.course_count, 4);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].kind, message_kind::warning);
  EXPECT_EQ(home.ui.messages[0].text,
            "These courses were imported from Ravelin for Windows but do not pass the course checks.  Correct each "
            "with \"Change\" / \"Change Course\" before using it in a tournament:\nBroken - White");

  home.ui.messages.clear();
  EXPECT_EQ(import_courses(state).value().imported, 0);  // everything is here now, and nothing more is said
  EXPECT_TRUE(home.ui.messages.empty());
}

// A slot that cannot be read is not known to be free: nothing is imported
// rather than a course written over one that is stored there.
TEST(CourseImport, StopsWhenAStoredCourseCannotBeRead) {
  TestHome home;
  State& state = home.started();
  put_plain_course(state, 1, "Pine Hills", "Blue", 18);
  put_plain_course(state, 2, "Elm", "Red", 18);
  RavelinFile file;
  file.course(1, checked_course("Oak", "Gold"));
  file.save(home.path() / "rvwin4.dat");
  state.ravelin_path = "rvwin4.dat";
  home.ui.messages.clear();

  state.db.fail_reads_after(course_record_size);  // slot 1 is read, slot 2 is not
  Result<CourseImportCounts> counts = import_courses(state);
  state.db.fail_reads_after(std::nullopt);

  ASSERT_FALSE(counts);
  EXPECT_FALSE(counts.status().needs_telling());
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{testing::injected_read_error});
  ASSERT_TRUE(read_record(state, RecordKind::course, 2));
  EXPECT_EQ(std::string(state.course.course_name), "Elm");
  ASSERT_TRUE(read_record(state, RecordKind::course, 3));
  EXPECT_EQ(state.course.course_name[0], 0);
}

TEST(CourseImport, OtherVersionsDoNothingAndTooManySlotsWarn) {
  TestHome home;
  State& state = home.started();
  RavelinFile file;
  file.course(1, checked_course("Oak", "Gold"));
  file.version(2025, 'b');
  file.save(home.path() / "rvwin4.dat");
  state.ravelin_path = "rvwin4.dat";
  EXPECT_EQ(import_courses(state).value().imported, 0);
  EXPECT_TRUE(home.ui.messages.empty());

  file.version(2025, 'a');
  file.save(home.path() / "rvwin4.dat");
  state.system.course_slot_count = 2;  // Ravelin keeps 3
  EXPECT_EQ(import_courses(state).value().imported, 0);
  EXPECT_EQ(home.ui.last_message()->text.substr(0, 104),
            "Ravelin for Windows is configured to store up to 3 courses but Quillon for Windows is configured to stor");
}

}  // namespace
}  // namespace quillon::testing
