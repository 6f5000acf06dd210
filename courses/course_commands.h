#pragma once
// The course maintenance commands. Each returns ok when it did its work, and
// told when it stopped (a refused precondition, Cancel, a message shown).
#include <functional>

#include "core/status.h"

#include "core/records/course_record.h"

namespace quillon {

struct State;

// Commands 1306 (9 holes) and 1308 (18 holes).
Status add_course(State& state, int holes);
// Commands 1307 (9 holes) and 1309 (18 holes). The dialog takes the hole count
// of the selected course; `holes` serves only when that count is damaged.
Status add_tee_position(State& state, int holes);
// Command 1405.
Status change_course(State& state);

// Asked after the user confirmed a removal: whether the handicap product's
// database holds the same course (the user is then told it will come back).
using SameCourseElsewhere = std::function<bool(State&, const CourseRecord&)>;
// Command 1502. Refused while a tournament uses the course. Without a
// `in_ravelin` the configured Ravelin file is looked at (course_in_ravelin).
// When the default course goes, the first remaining course takes its place.
Status remove_course(State& state, const SameCourseElsewhere& in_ravelin = {});

}  // namespace quillon
