#include "courses/course_commands.h"

#include <gtest/gtest.h>

#include "core/fixed_text.h"
#include "courses/course_slots.h"
#include "tests/courses/course_fixtures.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {
namespace {

const std::string limit_message =
    "The system is currently configured for 50 courses.  To configure the system for additional courses, select "
    "\"System Configuration\" from the \"Maintenance\" menu.";

TEST(AddCourse, StoresTheNewCourseAndItsBookkeeping) {
  TestHome home;
  State& state = home.started();
  home.ui.dialog({men_eighteen("Oak Hill", "OH", "White")});
  ASSERT_TRUE(add_course(state, 18));
  EXPECT_EQ(state.course_count, 1);
  CourseRecord stored = course_in_slot(state, 1);
  EXPECT_EQ(field_text(stored.course_name), "Oak Hill");
  EXPECT_EQ(stored.men_total_par, 72);
  ASSERT_TRUE(read_record(state, RecordKind::system, 1));
  EXPECT_EQ(state.system.default_course, 1);
  EXPECT_EQ(state.system.course_change_date, state.today.day_number);

  // A name conflict keeps the dialog open and stores nothing.
  home.ui.dialog({men_eighteen("Oak", "OAK", "White")});
  EXPECT_FALSE(add_course(state, 18));
  EXPECT_EQ(home.ui.last_message()->text,
            "The course name [Oak] conflicts with the name of an existing course [Oak Hill].  No course name can be an "
            "exact subset of another course name.");
  EXPECT_EQ(course_in_slot(state, 2).course_name[0], 0);

  home.ui.dialog({{}, true});
  EXPECT_FALSE(add_course(state, 9));
  EXPECT_EQ(state.course_count, 1);
}

TEST(AddCourse, SlotFinding) {
  TestHome home;
  State& state = home.started();
  put_course(state, 1, "Ash", "White");
  put_course(state, 2, "Birch", "White");
  put_course(state, 4, "Cedar", "White");
  home.ui.dialog({men_eighteen("Elm", "ELM", "White")});
  ASSERT_TRUE(add_course(state, 18));
  EXPECT_EQ(field_text(course_in_slot(state, 3).course_name), "Elm");
  EXPECT_EQ(state.course_count, 4);
  ASSERT_TRUE(read_record(state, RecordKind::system, 1));
  EXPECT_EQ(state.system.default_course, 0);  // not the only course

  home.ui.dialog({men_eighteen("Fir", "FIR", "White")});
  ASSERT_TRUE(add_course(state, 18));
  EXPECT_EQ(field_text(course_in_slot(state, 5).course_name), "Fir");
  EXPECT_EQ(state.course_count, 5);

  for (int slot = 6; slot <= 50; ++slot) put_course(state, slot, "Course " + std::to_string(slot), "White");
  EXPECT_FALSE(add_course(state, 18));
  EXPECT_EQ(home.ui.message_texts().back(), limit_message);
  EXPECT_EQ(home.ui.last_message()->kind, 1);
  home.ui.select(SelectionKind::course, "3");
  EXPECT_FALSE(add_tee_position(state, 18));
  EXPECT_EQ(home.ui.message_texts().back(), limit_message);
}

TEST(AddTeePosition, StartsFromTheSelectedCourse) {
  TestHome home;
  State& state = home.started();
  EXPECT_FALSE(add_tee_position(state, 18));
  EXPECT_EQ(home.ui.message_texts().back(), "No Courses found in the course database");

  CourseRecord oak = par_four_course("Oak", "White", 9);
  set_field_text_terminated(oak.phone, "555-0199");
  oak.unused_178[0] = 0x5a;
  put_course(state, 1, oak);
  put_course(state, 2, "Pine", "White");
  home.ui.select(SelectionKind::course, "1");
  home.ui.dialog({{{"tee_name", "Red"}}});
  ASSERT_TRUE(add_tee_position(state, 18)) << home.ui.message_texts().back();
  CourseRecord red = course_in_slot(state, 3);
  EXPECT_EQ(field_text(red.course_name), "Oak");
  EXPECT_EQ(field_text(red.tee_name), "Red");
  EXPECT_EQ(field_text(red.phone), "555-0199");
  EXPECT_EQ(red.hole_count, 9);
  EXPECT_EQ(red.men_total_par, 36);
  EXPECT_EQ(red.unused_178[0], 0x5a);
  EXPECT_EQ(state.course_count, 3);

  // The tee name starts empty, so OK without typing one is refused.
  home.ui.dialog({});
  EXPECT_FALSE(add_tee_position(state, 9));
  EXPECT_EQ(home.ui.message_texts().back(), "Tee name must be entered");
}

TEST(ChangeCourse, WritesBackIntoItsSlot) {
  TestHome home;
  State& state = home.started();
  CourseRecord oak = par_four_course("Oak", "White");
  for (int i = 0; i < 4; ++i) oak.unused_178[i] = static_cast<std::uint8_t>(0x10 + i);
  put_course(state, 1, oak);
  home.ui.dialog({{{"fax", "555-0111"}, {"women_rating", "73.1"}, {"women_rating_f9", "36.5"}}});
  ASSERT_TRUE(change_course(state)) << home.ui.message_texts().back();
  CourseRecord changed = course_in_slot(state, 1);
  EXPECT_EQ(field_text(changed.fax), "555-0111");
  EXPECT_EQ(changed.women_rating, 731);
  EXPECT_EQ(changed.women_rating_f9, 365);
  EXPECT_EQ(changed.men_rating, 720);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(changed.unused_178[i], 0x10 + i);
  EXPECT_EQ(state.course_count, 1);
  ASSERT_TRUE(read_record(state, RecordKind::system, 1));
  EXPECT_EQ(state.system.course_change_date, state.today.day_number);
}

TEST(RemoveCourse, RefusedWhileATournamentUsesIt) {
  TestHome home;
  State& state = home.started();
  put_course(state, 1, "Oak", "White");
  put_course(state, 2, "Pine", "White");
  put_course(state, 3, "Elm", "White");
  put_tournament(state, 1, "Spring Cup", 4, 12, {{0, 1}});
  put_tournament(state, 2, "Ladies Day", 6, 3, {{8, 2}});
  put_tournament(state, 3, "Two Rounds", 7, 1, {{0, 3}}, multi_round_format);

  home.ui.select(SelectionKind::course, "2");
  EXPECT_FALSE(remove_course(state));
  EXPECT_EQ(home.ui.message_texts().back(),
            "Course cannot be removed.  Tournament(s) exist in the tournament database using that course.  First "
            "tournament found was [03-Jun-2026 Ladies Day]");
  EXPECT_EQ(home.ui.busy_depth, 0);
  EXPECT_EQ(field_text(course_in_slot(state, 2).course_name), "Pine");

  // A combined multi-round event does not hold its slot numbers as tees.
  home.ui.select(SelectionKind::course, "3");
  home.ui.answer(Button::no);
  EXPECT_FALSE(remove_course(state));
  EXPECT_EQ(home.ui.message_texts().back(), "Are you sure that you wish to remove the course (Elm - White)?");
  EXPECT_EQ(home.ui.last_message()->kind, 4);
  EXPECT_EQ(home.ui.last_message()->default_button, Button::no);
  EXPECT_EQ(field_text(course_in_slot(state, 3).course_name), "Elm");

  int asked = 0;
  auto in_ravelin = [&](State&, const CourseRecord& c) {
    ++asked;
    return field_text(c.course_name) == "Elm";
  };
  home.ui.answer(Button::yes);
  ASSERT_TRUE(remove_course(state, in_ravelin));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(home.ui.message_texts().back(),
            "The selected course also exists in the Ravelin database.\n\nIf you do not remove this course from "
            "Ravelin, the course will automatically be imported the next time you start Quillon.");
  EXPECT_EQ(course_in_slot(state, 3).course_name[0], 0);
  EXPECT_EQ(state.course_count, 2);

  // The freed slot is taken by the next new course.
  home.ui.dialog({men_eighteen("Willow", "WIL", "White")});
  ASSERT_TRUE(add_course(state, 18));
  EXPECT_EQ(field_text(course_in_slot(state, 3).course_name), "Willow");
}

TEST(RemoveCourse, TheDefaultCourseMovesToTheFirstRemainingOne) {
  TestHome home;
  State& state = home.started();
  put_course(state, 1, "Ash", "White");
  put_course(state, 2, "Oak", "White");
  put_course(state, 3, "Pine", "White");
  state.system.default_course = 2;
  EXPECT_TRUE(write_record(state, RecordKind::system, 1));

  home.ui.select(SelectionKind::course, "3");
  home.ui.answer(Button::yes);
  ASSERT_TRUE(remove_course(state));
  ASSERT_TRUE(read_record(state, RecordKind::system, 1));
  EXPECT_EQ(state.system.default_course, 2);  // another course went: the default stays

  home.ui.select(SelectionKind::course, "2");
  home.ui.answer(Button::yes);
  ASSERT_TRUE(remove_course(state));
  ASSERT_TRUE(read_record(state, RecordKind::system, 1));
  EXPECT_EQ(state.system.default_course, 1);
  EXPECT_EQ(state.course_count, 1);

  home.ui.answer(Button::yes);  // the only course: taken without asking
  ASSERT_TRUE(remove_course(state));
  EXPECT_EQ(state.course_count, 0);
  EXPECT_FALSE(remove_course(state));
  EXPECT_EQ(home.ui.message_texts().back(), "No Courses found in the course database");
}

TEST(SelectCourse, ListsCoursesAndTakesTheOnlyOne) {
  TestHome home;
  State& state = home.started();
  EXPECT_EQ(select_course(state), 0);
  put_course(state, 2, "Oak", "White");
  EXPECT_EQ(select_course(state), 2);  // no selection scripted: not asked
  put_course(state, 5, "Pine", "Blue");
  struct ListingUi : ScriptedUi {
    std::optional<int> select_one(SelectionKind kind, const std::string& title,
                                  const std::vector<Choice>& choices) override {
      seen_title = title;
      seen = choices;
      EXPECT_EQ(kind, SelectionKind::course);
      return std::nullopt;
    }
    std::string seen_title;
    std::vector<Choice> seen;
  } listing;
  State other(listing, home.clock, home.path());
  ASSERT_TRUE(open_database(other));
  ASSERT_TRUE(read_record(other, RecordKind::system, 1));
  other.course_count = 5;
  EXPECT_EQ(select_course(other), 0);
  EXPECT_EQ(listing.seen_title, "Select Course");
  ASSERT_EQ(listing.seen.size(), 2u);
  EXPECT_EQ(listing.seen[0].id, 2);
  EXPECT_EQ(listing.seen[0].text, "Oak - White");
  EXPECT_EQ(listing.seen[1].id, 5);
  EXPECT_EQ(listing.seen[1].text, "Pine - Blue");
}

}  // namespace
}  // namespace quillon::testing
