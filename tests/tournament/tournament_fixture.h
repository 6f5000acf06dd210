#pragma once
// A started test database with one or two courses, for the tournament tests.
#include <cstring>
#include <string>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/state.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {

// Writes a course/tee into a slot: par 4 everywhere except hole 1 (par 5) and
// hole 2 (par 3).
inline void put_course(State& state, int slot, const char* name, const char* abbrev, const char* tee, int holes) {
  std::memset(&state.course, 0, sizeof state.course);
  set_field_text(state.course.course_name, name);
  set_field_text(state.course.course_abbrev, abbrev);
  set_field_text(state.course.tee_name, tee);
  state.course.hole_count = static_cast<std::int8_t>(holes);
  for (int h = 0; h < holes; ++h) state.course.men_par[h] = h == 0 ? 5 : (h == 1 ? 3 : 4);
  state.course.men_slope = 113;
  state.course.women_slope = 113;
  EXPECT_TRUE(write_record(state, RecordKind::course, slot));
  if (slot > state.course_count) state.course_count = slot;
}

}  // namespace quillon::testing
