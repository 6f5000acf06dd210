#pragma once
// The course/tee lines the tournament dialog offers for its divisions.
#include <string>
#include <vector>

#include "core/result.h"
#include "core/ui.h"

namespace quillon {

struct State;

// One line per used course slot, "%-25s, %-15s" (course name, tee name), with
// the slot as id, in slot order. Reads the course records; after a failed
// read (told) the lines read so far.
std::vector<Choice> course_tee_choices(State& state);

// Whether any course slot holds a course; fails, told, when one could not be read.
[[nodiscard]] Result<bool> any_course_exists(State& state);

}  // namespace quillon
