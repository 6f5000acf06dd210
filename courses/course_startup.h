#pragma once
// The course steps of start-up.
#include "core/result.h"

namespace quillon {

struct State;

// The name start-up clears from course slots; the course dialog refuses it.
inline constexpr const char* reserved_course_name = "Unassigned";

// Records with a course name and a zero men's or women's total par get their
// totals and nine-hole pars worked out from the per-hole pars; a stored value
// is replaced only by a larger one. Fails, told, when a write failed.
[[nodiscard]] Status upgrade_course_records(State& state);

// Clears courses named "Unassigned" that no tournament uses, sets course_count and repairs the default
// course; the system record is written when the default changed.
[[nodiscard]] Status scan_courses(State& state);

// Clears the slots whose course or first tee name is empty or starts with a
// character outside '!'..'~', unless a tournament uses them. Returns the
// number of slots cleared.
[[nodiscard]] Result<int> remove_damaged_courses(State& state);

}  // namespace quillon
