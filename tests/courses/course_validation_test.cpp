#include "courses/course_validation.h"

#include <gtest/gtest.h>

#include "core/fixed_text.h"
#include "handicap/tee_values.h"
#include "tests/courses/course_fixtures.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {
namespace {

const std::string chars_text = "!#$&()*+,-./0123456789=?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[ ]^_ abcdefghijklmnopqrstuvwxyz";

class CourseValidation : public ::testing::Test {
 protected:
  // Validates and returns the error shown, "" when the record passed.
  std::string check(CourseRecord c) {
    home.ui.messages.clear();
    int result = validate_course(state, c);
    checked = c;
    if (result == 0) {
      EXPECT_TRUE(home.ui.messages.empty());
      return "";
    }
    EXPECT_EQ(result, 1);
    EXPECT_EQ(home.ui.messages.size(), 1u);
    EXPECT_EQ(home.ui.messages.back().kind, 1);
    return home.ui.messages.back().text;
  }

  TestHome home;
  State& state = home.started();
  CourseRecord checked{};
};

TEST_F(CourseValidation, NineHoleRatingWithinFiveOfPar) {
  CourseRecord c = par_four_course("Oak", "White", 9);  // par 36
  c.women_rating = 0;
  const std::string outside = "Men's Course Rating must be within 5 of Men's par";
  for (int rating : {310, 360, 410}) {
    c.men_rating = static_cast<std::int16_t>(rating);
    EXPECT_EQ(check(c), "") << rating;
  }
  c.men_rating = 309;
  EXPECT_EQ(check(c), outside);
  c.men_rating = 411;
  EXPECT_EQ(check(c), outside);

  c.men_rating = 355;
  c.men_slope = 120;
  c.men_rating_f9 = c.men_rating_b9 = 0;
  c.men_slope_f9 = c.men_slope_b9 = 0;
  ASSERT_EQ(check(c), "");
  EXPECT_EQ(checked.men_rating_f9, 355);
  EXPECT_EQ(checked.men_rating_b9, 355);
  EXPECT_EQ(checked.men_slope_f9, 120);
  EXPECT_EQ(checked.men_slope_b9, 120);
  EXPECT_EQ(checked.men_total_par, 36);
  EXPECT_EQ(checked.men_par_f9, 36);
  EXPECT_EQ(checked.men_par_b9, 0);

  c.men_slope = 54;
  EXPECT_EQ(check(c), "Men's Slope must be between 55 and 155");
  c.men_slope = 113;
  c.men_hcp_hole[8] = 10;
  EXPECT_EQ(check(c),
            "Men's Handicap Holes must be between 1 and 9.\nIf you are entering Handicap Holes for the Front or Back 9 "
            "of an 18 hole course, you should assign the #s 1 thru 9 keeping the 9 hole assignments in the same "
            "relative order as the 18 hole assignments.");
}

TEST_F(CourseValidation, EighteenHoleRatingsAgainstTheirPars) {
  CourseRecord c = par_four_course("Oak", "White");
  c.women_rating = 0;
  c.men_rating = 620;
  EXPECT_EQ(check(c), "");
  EXPECT_EQ(checked.men_total_par, 72);
  EXPECT_EQ(checked.men_par_f9, 36);
  EXPECT_EQ(checked.men_par_b9, 36);
  c.men_rating = 820;
  EXPECT_EQ(check(c), "");
  c.men_rating = 619;
  EXPECT_EQ(check(c), "Men's 18 hole Course Rating must be within 10 of Men's 18 hole par");
  c.men_rating = 821;
  EXPECT_EQ(check(c), "Men's 18 hole Course Rating must be within 10 of Men's 18 hole par");
  c.men_rating = 720;
  c.men_rating_f9 = 309;
  EXPECT_EQ(check(c), "Men's Front 9 Course Rating must be within 5 of Men's Front 9 par");
  c.men_rating_f9 = 310;
  c.men_par[17] = 5;  // back nine par 37
  c.men_rating_b9 = 421;
  EXPECT_EQ(check(c), "Men's Back 9 Course Rating must be within 5 of Men's Back 9 par");
  c.men_rating_b9 = 420;
  EXPECT_EQ(check(c), "");
  EXPECT_EQ(checked.men_total_par, 73);
  EXPECT_EQ(checked.men_par_b9, 37);

  c.men_slope = 156;
  EXPECT_EQ(check(c), "Men's 18 hole Slope must be between 55 and 155");
  c.men_slope = 155;
  c.men_slope_f9 = 54;
  EXPECT_EQ(check(c), "Men's front 9 Slope must be between 55 and 155");
  c.men_slope_f9 = 55;
  c.men_slope_b9 = 0;
  EXPECT_EQ(check(c), "Men's back 9 Slope must be between 55 and 155");
}

TEST_F(CourseValidation, HoleParsAndHandicapHoles) {
  CourseRecord c = par_four_course("Oak", "White");
  c.men_par[4] = 7;
  EXPECT_EQ(check(c), "Hole # 5, invalid value for Men's par.  Valid values for par are 3, 4, 5, and 6");
  c.men_par[4] = 2;
  EXPECT_EQ(check(c), "Hole # 5, invalid value for Men's par.  Valid values for par are 3, 4, 5, and 6");
  c.men_par[4] = 4;
  c.men_par[17] = 0;
  EXPECT_EQ(check(c), "Hole # 18, invalid value for Men's par.  Valid values for par are 3, 4, 5, and 6");
  c.men_par[17] = 4;

  c.men_hcp_hole[11] = 5;  // hole 5 has it already
  EXPECT_EQ(check(c), "Men's handicap hole 5 assigned more than once");
  c.men_hcp_hole[11] = 19;
  EXPECT_EQ(check(c), "Men's Handicap Holes must be between 1 and 18");
  c.men_hcp_hole[11] = 12;

  c.women_par[2] = 7;
  EXPECT_EQ(check(c), "Hole # 3, invalid value for Women's par.  Valid values for par are 3, 4, 5, and 6");
  c.women_par[2] = 4;
  c.women_hcp_hole[0] = 18;
  EXPECT_EQ(check(c), "Women's handicap hole 18 assigned more than once");
  c.women_hcp_hole[0] = 1;
  c.women_slope_b9 = 200;
  EXPECT_EQ(check(c), "Women's back 9 Slope must be between 55 and 155");
  c.women_slope_b9 = 113;
  c.women_rating = 900;
  EXPECT_EQ(check(c), "Women's 18 hole Course Rating must be within 10 of Women's 18 hole par");
}

TEST_F(CourseValidation, WhichBlocksArePresent) {
  CourseRecord women_only = par_four_course("Oak", "Red");
  women_only.men_rating = women_only.men_rating_f9 = women_only.men_rating_b9 = 0;
  for (auto& par : women_only.men_par) par = 0;
  EXPECT_EQ(check(women_only), "");
  EXPECT_EQ(checked.women_total_par, 72);

  CourseRecord women_nine = par_four_course("Oak", "Red", 9);
  women_nine.men_rating = women_nine.men_rating_f9 = women_nine.men_rating_b9 = 0;
  women_nine.women_rating = 300;
  EXPECT_EQ(check(women_nine), "Women's Course Rating must be within 5 of Women's par");

  CourseRecord neither = par_four_course("Oak", "Red");
  neither.men_rating_f9 = neither.men_rating_b9 = neither.women_rating_f9 = neither.women_rating_b9 = 0;
  EXPECT_EQ(check(neither), "The Mens and/or Womens Course Rating(s) must be entered.");
}

TEST_F(CourseValidation, NamesAreTrimmedAndLimitedToAllowedCharacters) {
  CourseRecord c = par_four_course("  Oak Hill ", " Blue Back  ");
  set_field_text_terminated(c.course_abbrev, " OH ");
  EXPECT_EQ(check(c), "");
  EXPECT_EQ(field_text(checked.course_name), "Oak Hill");
  EXPECT_EQ(field_text(checked.tee_name), "Blue Back");
  EXPECT_EQ(field_text(checked.course_abbrev), "OH");

  CourseRecord bad = c;
  set_field_text(bad.tee_name, "Blue:Back");
  EXPECT_EQ(check(bad), "Tee Name can only contain " + chars_text + ".");
  set_field_text(bad.tee_name, "Blue\"");
  EXPECT_EQ(check(bad), "Tee Name can only contain " + chars_text + ".");
  set_field_text(bad.tee_name, "   ");
  EXPECT_EQ(check(bad), "Tee name must be entered");

  bad = c;
  set_field_text_terminated(bad.course_name, "Oak;Hill");
  EXPECT_EQ(check(bad), "Course Name can only contain " + chars_text + ".");
  set_field_text_terminated(bad.course_name, "");
  EXPECT_EQ(check(bad), "Course name must be entered");

  bad = c;
  set_field_text_terminated(bad.course_abbrev, "O%H");
  EXPECT_EQ(check(bad), "Abbreviated Course Name can only contain " + chars_text + ".");
  set_field_text_terminated(bad.course_abbrev, "");
  EXPECT_EQ(check(bad), "Abbreviated course name must be entered");
}

TEST(CourseNames, ConflictsWithOtherSlots) {
  TestHome home;
  State& state = home.started();
  put_course(state, 1, "Oakville", "White");
  put_course(state, 2, "OAK HILL", "Blue Back");
  put_course(state, 4, "Pine", "Blue Back");
  auto conflict = [&](const std::string& course, const std::string& tee, int editing_slot = 0) {
    home.ui.messages.clear();
    int result = check_course_names(state, par_four_course(course, tee), editing_slot);
    if (result == 0) return std::string();
    EXPECT_EQ(home.ui.messages.size(), 1u);
    EXPECT_EQ(home.ui.messages.back().kind, 2);
    return home.ui.messages.back().text;
  };
  EXPECT_EQ(conflict("Oak", "White"),
            "The course name [Oak] conflicts with the name of an existing course [Oakville].  No course name can be "
            "an exact subset of another course name.");
  EXPECT_EQ(conflict("Oakville Links", "White"),
            "The course name [Oakville Links] conflicts with the name of an existing course [Oakville].  No course "
            "name can be an exact subset of another course name.");
  EXPECT_EQ(conflict("Oak Hill", "blue back"),
            "The [blue back] tees for the course [Oak Hill] have already been defined.");
  EXPECT_EQ(conflict("Oak Hill", "Blue"),
            "The tee name [Blue] conflicts with name of an existing tee [Blue Back] for the course [Oak Hill].  For "
            "any given course, no tee name can be an exact subset of another tee name.");
  EXPECT_EQ(conflict("Oak Hill", "White"), "");
  EXPECT_EQ(conflict("Elm", "Blue"), "");
  // The slot being edited does not conflict with itself.
  EXPECT_EQ(conflict("Pine", "Blue Back", 4), "");
  EXPECT_EQ(conflict("Pine", "Blue Back", 3), "The [Blue Back] tees for the course [Pine] have already been defined.");
}

TEST(TeeValues, PickTheSexByItsCode) {
  CourseRecord c = par_four_course("Oak", "White");
  c.men_rating = 715;
  c.women_rating = 731;
  c.men_slope = 125;
  c.women_slope = 131;
  c.men_total_par = 72;
  c.women_total_par = 74;
  c.women_par[3] = 5;
  c.men_hcp_hole[3] = 9;
  EXPECT_EQ(tee_values::rating(c, 'M'), 715);
  EXPECT_EQ(tee_values::rating(c, 'F'), 731);
  EXPECT_EQ(tee_values::slope(c, 'M'), 125);
  EXPECT_EQ(tee_values::slope(c, 'W'), 131);
  EXPECT_EQ(tee_values::total_par(c, 'M'), 72);
  EXPECT_EQ(tee_values::total_par(c, 'F'), 74);
  // Holes are numbered from 1; any code but 'M' reads the women's block.
  EXPECT_EQ(tee_values::par(c, 'F', 4), 5);
  EXPECT_EQ(tee_values::par(c, 'M', 4), 4);
  EXPECT_EQ(tee_values::stroke_index(c, 'M', 4), 9);
  EXPECT_EQ(tee_values::stroke_index(c, 'm', 4), 4);
  EXPECT_EQ(tee_values::stroke_index(c, 'F', 4), 4);
}

}  // namespace
}  // namespace quillon::testing
