#pragma once
// Men's or women's values of a course/tee record. The sex code is 'M' for
// men; any other value picks the women's field. Holes are 0-based.
#include "core/records/course_record.h"

namespace quillon {

// Which part of the course a rating, slope or par is asked for.
namespace nine {
inline constexpr int all = 0;
inline constexpr int front = 1;
inline constexpr int back = 2;
}  // namespace nine

int course_rating(const CourseRecord& course, char sex);
int course_slope(const CourseRecord& course, char sex);
int course_total_par(const CourseRecord& course, char sex);
// 0 for a hole index outside 0..17.
int hole_par(const CourseRecord& course, char sex, int hole);
int hole_hcp(const CourseRecord& course, char sex, int hole);

// The same for 18 holes (nine::all), the front or the back nine; any other
// nine code gives the 18-hole value.
int course_rating(const CourseRecord& course, char sex, int nine_code);
int course_slope(const CourseRecord& course, char sex, int nine_code);
int course_total_par(const CourseRecord& course, char sex, int nine_code);

bool course_slot_used(const CourseRecord& course);

}  // namespace quillon
