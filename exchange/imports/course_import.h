#pragma once
// Courses of the Ravelin database taken into this database at start-up.
#include <string>
#include <vector>

#include "core/result.h"

namespace quillon {

struct State;

struct CourseImportCounts {
  int imported = 0;
  // "course - tee" of the imported courses that fail the course checks
  std::vector<std::string> needing_attention;
};

// Stores every course of the configured Ravelin file (of this program's
// version) with a name and a hole-1 men's par that is not here yet: same
// course and tee names, letter case ignored, count as here. Imported courses
// that fail the course checks are named in one warning, to be corrected in
// the course dialog. Does nothing without a readable file.
[[nodiscard]] Result<CourseImportCounts> import_courses(State& state);

}  // namespace quillon
