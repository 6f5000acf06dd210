#pragma once
// The rules an edited course/tee record must pass before it is stored.
#include "core/records/course_record.h"

namespace quillon {

struct State;

// Checks the editing copy in a fixed order and shows the first failure as an
// error. Trims the three names and fills in the derived totals, nine-hole pars
// and, on a 9-hole course, the nine-hole ratings and slopes. 0 = acceptable.
int validate_course(State& state, CourseRecord& copy);

// Keeps course and tee names distinct from every other occupied slot (the
// editing slot excepted). Shows the first conflict as information; 0 = none.
// Reads the other slots through the course buffer.
int check_course_names(State& state, const CourseRecord& copy, int editing_slot);

// Sums of the per-hole pars of holes 1..holes: total, front nine, back nine.
struct ParSums {
  int total = 0;
  int front = 0;
  int back = 0;
};
ParSums sum_pars(const std::int8_t (&pars)[18], int holes);

}  // namespace quillon
