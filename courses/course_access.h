#pragma once
// Whether a course slot holds a course/tee. The men's or women's values of a
// record are read through handicap/tee_values.h.
#include "core/records/course_record.h"

namespace quillon {

bool course_slot_used(const CourseRecord& course);

}  // namespace quillon
