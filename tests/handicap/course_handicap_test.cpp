#include "handicap/course_handicap.h"

#include <gtest/gtest.h>

#include "tests/testing/test_home.h"

namespace quillon {
namespace {

TEST(CourseHandicap, WorkedExamplesAndRounding) {
  // 10.4 at slope 130: 13520 / 113 = 119 tenths, rounds to 12.
  EXPECT_EQ(course_handicap(104, 130, 715, 72, false), 12);
  // With rating 71.5 and par 72: 715 + 119 - 720 = 114, rounds to 11.
  EXPECT_EQ(course_handicap(104, 130, 715, 72, true), 11);
  // Index 0: only the rating term decides.
  EXPECT_EQ(course_handicap(0, 125, 720, 72, true), 0);
  EXPECT_EQ(course_handicap(0, 125, 690, 72, true), -3);
  EXPECT_EQ(course_handicap(0, 125, 690, 72, false), 0);
  // Plus handicaps round away from zero.
  EXPECT_EQ(course_handicap(-4, 113, 0, 0, false), 0);
  EXPECT_EQ(course_handicap(-5, 113, 0, 0, false), -1);
  EXPECT_EQ(course_handicap(-23, 140, 0, 0, false), -3);  // -284 / 10
  EXPECT_EQ(course_handicap(5, 113, 0, 0, false), 1);
  // A missing block gives slope, rating and par 0.
  EXPECT_EQ(course_handicap(180, 0, 0, 0, false), 0);
}

TEST(CourseHandicap, PlayingHandicapAllowance) {
  EXPECT_EQ(playing_handicap(15, 85), 13);
  EXPECT_EQ(playing_handicap(-3, 100), -3);
  EXPECT_EQ(playing_handicap(0, 75), 0);
  EXPECT_EQ(playing_handicap(1, 50), 1);
  EXPECT_EQ(playing_handicap(3, 50), 2);  // 1.5 rounds up
  EXPECT_EQ(playing_handicap(-3, 50), -2);  // -1.5 rounds away from zero
  EXPECT_EQ(playing_handicap(20, 90), 18);
}

TEST(CourseHandicap, GolferCourseHandicapBySexAndFormat) {
  TournamentHeader header{};
  CourseRecord tee{};
  tee.men_slope = 130;
  tee.men_rating = 715;
  tee.men_total_par = 72;
  tee.women_slope = 113;
  tee.women_rating = 740;
  tee.women_total_par = 74;
  set_format(header, Format::net);
  header.callaway_division = 2;
  EXPECT_EQ(golfer_course_handicap(header, tee, 104, 'M', 1), 12);
  EXPECT_EQ(golfer_course_handicap(header, tee, 104, 'F', 1), 10);
  EXPECT_EQ(golfer_course_handicap(header, tee, 104, 'X', 1), 10);  // any code but 'M' is women's
  header.include_rating_and_par = 1;
  EXPECT_EQ(golfer_course_handicap(header, tee, 104, 'M', 1), 11);
  EXPECT_EQ(golfer_course_handicap(header, tee, 104, 'F', 1), 10);
  // Format 8: the Callaway division keeps the computed handicap.
  set_format(header, Format::net_with_callaway_division);
  EXPECT_EQ(golfer_course_handicap(header, tee, 179, 'M', 2), 17);
  EXPECT_EQ(golfer_course_handicap(header, tee, 104, 'M', 1), 11);
  // Computed formats truncate the stored handicap toward zero.
  set_format(header, Format::callaway);
  EXPECT_EQ(golfer_course_handicap(header, tee, 179, 'M', 1), 17);
  EXPECT_EQ(golfer_course_handicap(header, tee, -29, 'M', 1), -2);
}

TEST(CourseHandicap, DisplayForms) {
  EXPECT_EQ(index_report_text(104), "10.4");
  EXPECT_EQ(index_report_text(52), " 5.2");
  EXPECT_EQ(index_report_text(0), "");
  EXPECT_EQ(index_report_text(-23), "+2.3");
  EXPECT_EQ(handicap_report_text(12), "12");
  EXPECT_EQ(handicap_report_text(0), "0");
  EXPECT_EQ(handicap_report_text(-3), "+3");
}

}  // namespace
}  // namespace quillon
