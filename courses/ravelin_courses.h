#pragma once
// Whether a course of this database also lives in the Ravelin database, from
// where the start-up import would bring it back.
#include "core/records/course_record.h"

namespace quillon {

struct State;

// True when the configured Ravelin file can be read, is of this program's
// version, and holds a course with the same course and tee names (letter case
// ignored) that the start-up import would take (hole 1 has a men's par).
bool course_in_ravelin(State& state, const CourseRecord& course);

}  // namespace quillon
