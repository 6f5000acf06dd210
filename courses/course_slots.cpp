#include "courses/course_slots.h"

#include <vector>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/record_values.h"
#include "core/state.h"
#include "core/text.h"
#include "courses/course_access.h"

namespace quillon {

int find_free_course_slot(State& state) {
  for (int slot = 1; slot <= state.course_count; ++slot) {
    if (!read_record(state, RecordKind::course, slot)) return 0;
    if (!course_slot_used(state.course)) return slot;
  }
  int slot = state.course_count + 1;
  if (slot > state.course_slot_count()) {
    error_box(state,
              "The system is currently configured for %d courses.  To configure the system for additional courses, "
              "select \"System Configuration\" from the \"Maintenance\" menu.",
              state.course_slot_count());
    return 0;
  }
  return slot;
}

int select_course(State& state) {
  std::vector<Choice> choices;
  for (int slot = 1; slot <= state.course_count; ++slot) {
    if (!read_record(state, RecordKind::course, slot)) return 0;
    if (!course_slot_used(state.course)) continue;
    choices.push_back({slot, field_text(state.course.course_name) + " - " + field_text(state.course.tee_name)});
  }
  if (choices.empty()) return 0;
  int slot = choices.front().id;
  if (choices.size() > 1) {
    auto chosen = state.ui.select_one(SelectionKind::course, "Select Course", choices);
    if (!chosen) return 0;
    slot = *chosen;
  }
  return read_record(state, RecordKind::course, slot) ? slot : 0;
}

Result<int> highest_used_course_slot(State& state) {
  int highest = 0;
  for (int slot = 1; slot <= state.course_slot_count(); ++slot) {
    if (Status read = read_record(state, RecordKind::course, slot); !read) return read;
    if (course_slot_used(state.course)) highest = slot;
  }
  return highest;
}

Result<int> count_courses(State& state) {
  int count = 0;
  for (int slot = 1; slot <= state.course_slot_count(); ++slot) {
    if (Status read = read_record(state, RecordKind::course, slot); !read) return read;
    if (course_slot_used(state.course)) ++count;
  }
  return count;
}

Result<int> first_tournament_using_course(State& state, int slot, CourseUse use) {
  for (int t = 1; t <= state.tournament_count; ++t) {
    Result<TournamentHeader> header = telling(state, load_header(state, t));
    if (!header) return header.status();
    if (tournament_slot_free(*header)) continue;
    if (use.skip_multi_round && header->format == multi_round_format) continue;
    for (auto tee : header->division_tee)
      if (tee == slot) return t;
  }
  return 0;
}

Status clear_course_slot(State& state, int slot) {
  state.course = CourseRecord{};
  return write_record(state, RecordKind::course, slot);
}

}  // namespace quillon
