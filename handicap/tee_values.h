#pragma once
// The values of one sex's block of a course/tee record: 'M' reads the men's
// block, any other code the women's. Holes are numbered from 1.
#include "core/records/course_record.h"

namespace quillon::tee_values {

inline bool is_men(char sex) { return sex == 'M'; }

inline int slope(const CourseRecord& tee, char sex) { return is_men(sex) ? tee.men_slope : tee.women_slope; }
inline int rating(const CourseRecord& tee, char sex) { return is_men(sex) ? tee.men_rating : tee.women_rating; }
inline int total_par(const CourseRecord& tee, char sex) {
  return is_men(sex) ? tee.men_total_par : tee.women_total_par;
}
inline int par(const CourseRecord& tee, char sex, int hole) {
  return is_men(sex) ? tee.men_par[hole - 1] : tee.women_par[hole - 1];
}
inline int stroke_index(const CourseRecord& tee, char sex, int hole) {
  return is_men(sex) ? tee.men_hcp_hole[hole - 1] : tee.women_hcp_hole[hole - 1];
}
// 9 or 18; anything else in the record is read as 18.
inline int hole_count(const CourseRecord& tee) { return tee.hole_count == 9 ? 9 : 18; }

}  // namespace quillon::tee_values
