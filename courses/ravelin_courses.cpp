#include "courses/ravelin_courses.h"

#include "core/fixed_text.h"
#include "core/ravelin.h"
#include "core/state.h"
#include "core/text.h"
#include "courses/course_access.h"

namespace quillon {

bool course_in_ravelin(State& state, const CourseRecord& course) {
  if (state.ravelin_path.empty()) return false;
  RavelinReader reader(state.file(state.ravelin_path).string());
  if (!reader.open_ravelin()) return false;
  if (reader.read_ravelin(ravelin_kind::header, 1) < 200) return false;
  // The import ignores a file of another version, so nothing would come back.
  if (reader.version() != state.system.program_version ||
      reader.version_letter() != state.system.program_version_letter)
    return false;
  const std::string name = field_text(course.course_name);
  const std::string tee = field_text(course.tee_name);
  for (int n = 1; n <= reader.course_slots(); ++n) {
    if (reader.read_ravelin(ravelin_kind::course, n) < static_cast<int>(sizeof(CourseRecord))) break;
    CourseRecord other = reader.course();
    if (!course_slot_used(other) || other.men_par[0] == 0) continue;
    if (equal_ignoring_case(field_text(other.course_name), name) &&
        equal_ignoring_case(field_text(other.tee_name), tee))
      return true;
  }
  return false;
}

}  // namespace quillon
