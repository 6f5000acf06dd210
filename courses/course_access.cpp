#include "courses/course_access.h"

namespace quillon {

bool course_slot_used(const CourseRecord& c) { return c.course_name[0] != 0; }

}  // namespace quillon
