#pragma once
// "Course List": every tee of the course database with its men's and
// women's pars, slope, par and rating.
namespace quillon {

struct State;

// Returns false, after telling the user, when no course is defined.
bool print_course_list(State& state);

}  // namespace quillon
