#pragma once
// Record kind 4: one tee position of one course, 300 bytes. The same layout
// serves the course editing copy and the course records of the Ravelin file.
#include <cstddef>
#include <cstdint>

namespace quillon {

#pragma pack(push, 1)
struct CourseRecord {
  char course_name[26];
  char course_abbrev[6];
  std::uint8_t exclude_off_season;
  std::int8_t hole_count;
  std::int8_t men_par[18];
  std::int16_t men_rating;
  std::uint8_t men_slope;
  std::int8_t men_total_par;
  std::int8_t men_hcp_hole[18];
  std::uint8_t unused_74[2];
  std::uint8_t whs_verified;
  std::uint8_t unused_77[3];
  std::int16_t hole_length[18];
  std::int8_t women_par[18];
  std::int8_t women_hcp_hole[18];
  std::int8_t women_total_par;
  std::uint8_t active;
  std::uint8_t active_season[24];
  std::uint8_t unused_178[40];
  std::uint16_t changed_date;
  char phone[16];
  char fax[16];
  char tee_name[15];
  std::uint8_t home_course;
  std::uint8_t unused_268[2];
  std::uint8_t hole_by_hole;
  std::uint8_t women_slope;
  std::int16_t women_rating;
  std::int16_t men_rating_f9;
  std::int16_t women_rating_f9;
  std::int16_t men_rating_b9;
  std::int16_t women_rating_b9;
  std::uint8_t men_slope_f9;
  std::uint8_t men_slope_b9;
  std::uint8_t women_slope_f9;
  std::uint8_t women_slope_b9;
  std::int8_t men_par_f9;
  std::int8_t men_par_b9;
  std::int8_t women_par_f9;
  std::int8_t women_par_b9;
  std::uint8_t unused_290[10];
};
#pragma pack(pop)

static_assert(sizeof(CourseRecord) == 300);
static_assert(offsetof(CourseRecord, course_abbrev) == 26);
static_assert(offsetof(CourseRecord, exclude_off_season) == 32);
static_assert(offsetof(CourseRecord, hole_count) == 33);
static_assert(offsetof(CourseRecord, men_par) == 34);
static_assert(offsetof(CourseRecord, men_rating) == 52);
static_assert(offsetof(CourseRecord, men_slope) == 54);
static_assert(offsetof(CourseRecord, men_total_par) == 55);
static_assert(offsetof(CourseRecord, men_hcp_hole) == 56);
static_assert(offsetof(CourseRecord, whs_verified) == 76);
static_assert(offsetof(CourseRecord, hole_length) == 80);
static_assert(offsetof(CourseRecord, women_par) == 116);
static_assert(offsetof(CourseRecord, women_hcp_hole) == 134);
static_assert(offsetof(CourseRecord, women_total_par) == 152);
static_assert(offsetof(CourseRecord, active) == 153);
static_assert(offsetof(CourseRecord, active_season) == 154);
static_assert(offsetof(CourseRecord, unused_178) == 178);
static_assert(offsetof(CourseRecord, changed_date) == 218);
static_assert(offsetof(CourseRecord, phone) == 220);
static_assert(offsetof(CourseRecord, fax) == 236);
static_assert(offsetof(CourseRecord, tee_name) == 252);
static_assert(offsetof(CourseRecord, home_course) == 267);
static_assert(offsetof(CourseRecord, hole_by_hole) == 270);
static_assert(offsetof(CourseRecord, women_slope) == 271);
static_assert(offsetof(CourseRecord, women_rating) == 272);
static_assert(offsetof(CourseRecord, men_rating_f9) == 274);
static_assert(offsetof(CourseRecord, women_rating_f9) == 276);
static_assert(offsetof(CourseRecord, men_rating_b9) == 278);
static_assert(offsetof(CourseRecord, women_rating_b9) == 280);
static_assert(offsetof(CourseRecord, men_slope_f9) == 282);
static_assert(offsetof(CourseRecord, men_slope_b9) == 283);
static_assert(offsetof(CourseRecord, women_slope_f9) == 284);
static_assert(offsetof(CourseRecord, women_slope_b9) == 285);
static_assert(offsetof(CourseRecord, men_par_f9) == 286);
static_assert(offsetof(CourseRecord, men_par_b9) == 287);
static_assert(offsetof(CourseRecord, women_par_f9) == 288);
static_assert(offsetof(CourseRecord, women_par_b9) == 289);

}  // namespace quillon
