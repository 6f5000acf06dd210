#pragma once
// Finding, choosing and scanning course slots, and the tournaments that use them.
#include "core/result.h"

namespace quillon {

struct State;

// The first free slot among 1..course_count, else course_count + 1. When that
// is beyond the configured number of slots, tells the user and returns 0; 0
// too when a slot could not be read (told).
int find_free_course_slot(State& state);

// The "Select Course" list: one line per course, course name and tee name.
// With exactly one course it is taken without asking. Returns the chosen slot,
// read into the course buffer, or 0 on Cancel, when there is no course or
// when a course could not be read (told).
int select_course(State& state);

// The highest slot holding a course (0 when none), and the number of used
// slots. Both fail, told, when a slot could not be read.
[[nodiscard]] Result<int> highest_used_course_slot(State& state);
[[nodiscard]] Result<int> count_courses(State& state);

// Which tournaments count as using a course slot.
struct CourseUse {
  bool skip_multi_round = false;  // combined multi-round events do not count
};
// The first occupied tournament one of whose ten division tees is the slot,
// or 0. The headers are read as values (the header buffer and the current
// tournament stay as they are); fails, told, when one could not be read.
[[nodiscard]] Result<int> first_tournament_using_course(State& state, int slot, CourseUse use);

// Writes a zeroed record into the slot.
[[nodiscard]] Status clear_course_slot(State& state, int slot);

}  // namespace quillon
