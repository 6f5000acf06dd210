#pragma once
// The course maintenance commands. Each returns 0 when it did its work and 1
// when it stopped (a refused precondition, Cancel, a message already shown).
#include <functional>

#include "core/records/course_record.h"

namespace quillon {

struct State;

// Commands 1306 (9 holes) and 1308 (18 holes).
int add_course(State& state, int holes);
// Commands 1307 (9 holes) and 1309 (18 holes). The dialog takes the hole count
// of the selected course; `holes` serves only when that count is damaged.
int add_tee_position(State& state, int holes);
// Command 1405.
int change_course(State& state);

// Asked after the user confirmed a removal: whether the handicap product's
// database holds the same course (the user is then told it will come back).
using SameCourseElsewhere = std::function<bool(State&, const CourseRecord&)>;
// Command 1502. Refused while a tournament uses the course. Without a
// `in_ravelin` the configured Ravelin file is looked at (course_in_ravelin).
// When the default course goes, the first remaining course takes its place.
int remove_course(State& state, const SameCourseElsewhere& in_ravelin = {});

}  // namespace quillon
