#pragma once
// The course steps of the start-up sequence.
namespace quillon {

struct State;

// Old records with a zero total par get their nine and total pars recomputed
// from the per-hole pars (a stored value is replaced only by a larger one).
void upgrade_course_records(State& state);
// Clears courses named "Unassigned", sets `course_count` and repairs the
// default course.
void scan_courses(State& state);
// Clears damaged course slots (names starting outside "!".."~") that no
// tournament uses.
void remove_damaged_courses(State& state);

}  // namespace quillon
