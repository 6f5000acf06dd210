#include "tournament/course_choices.h"

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/state.h"
#include "core/text.h"

namespace quillon {

std::vector<Choice> course_tee_choices(State& state) {
  std::vector<Choice> choices;
  for (int slot = 1; slot <= state.course_slot_count(); ++slot) {
    // The list offers the courses read before a failure, which is told once.
    if (!read_record(state, RecordKind::course, slot)) break;
    if (field_empty(state.course.course_name)) continue;
    choices.push_back({slot, format_text(64, "%-25s, %-15s", field_text(state.course.course_name).c_str(),
                                         field_text(state.course.tee_name).c_str())});
  }
  return choices;
}

Result<bool> any_course_exists(State& state) {
  if (state.course_count > 0) return true;
  for (int slot = 1; slot <= state.course_slot_count(); ++slot) {
    if (Status read = read_record(state, RecordKind::course, slot); !read) return read;
    if (!field_empty(state.course.course_name)) return true;
  }
  return false;
}

}  // namespace quillon
