#include "courses/course_access.h"

namespace quillon {

namespace {
bool is_men(char sex) { return sex == 'M'; }
bool hole_in_range(int hole) { return hole >= 0 && hole < 18; }
}  // namespace

int course_rating(const CourseRecord& c, char sex) { return is_men(sex) ? c.men_rating : c.women_rating; }
int course_slope(const CourseRecord& c, char sex) { return is_men(sex) ? c.men_slope : c.women_slope; }
int course_total_par(const CourseRecord& c, char sex) { return is_men(sex) ? c.men_total_par : c.women_total_par; }

int hole_par(const CourseRecord& c, char sex, int hole) {
  if (!hole_in_range(hole)) return 0;
  return is_men(sex) ? c.men_par[hole] : c.women_par[hole];
}

int hole_hcp(const CourseRecord& c, char sex, int hole) {
  if (!hole_in_range(hole)) return 0;
  return is_men(sex) ? c.men_hcp_hole[hole] : c.women_hcp_hole[hole];
}

int course_rating(const CourseRecord& c, char sex, int nine_code) {
  switch (nine_code) {
    case nine::front: return is_men(sex) ? c.men_rating_f9 : c.women_rating_f9;
    case nine::back: return is_men(sex) ? c.men_rating_b9 : c.women_rating_b9;
    default: return course_rating(c, sex);
  }
}

int course_slope(const CourseRecord& c, char sex, int nine_code) {
  switch (nine_code) {
    case nine::front: return is_men(sex) ? c.men_slope_f9 : c.women_slope_f9;
    case nine::back: return is_men(sex) ? c.men_slope_b9 : c.women_slope_b9;
    default: return course_slope(c, sex);
  }
}

int course_total_par(const CourseRecord& c, char sex, int nine_code) {
  switch (nine_code) {
    case nine::front: return is_men(sex) ? c.men_par_f9 : c.women_par_f9;
    case nine::back: return is_men(sex) ? c.men_par_b9 : c.women_par_b9;
    default: return course_total_par(c, sex);
  }
}

bool course_slot_used(const CourseRecord& c) { return c.course_name[0] != 0; }

}  // namespace quillon
