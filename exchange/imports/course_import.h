#pragma once
// Courses of the Ravelin database taken into this database at start-up.
namespace quillon {

struct State;

struct CourseImportCounts {
  int imported = 0;
  int invalid = 0;  // failed the course checks and were skipped
};

// Stores every course of the configured Ravelin file (of this program's
// version) that is not here yet: same course and tee names, letter case
// ignored, count as here. Courses that fail the course checks are skipped
// and counted in a message. Does nothing without a readable file.
CourseImportCounts import_courses(State& state);

}  // namespace quillon
