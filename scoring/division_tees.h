#pragma once
// The course/tee records of a tournament's divisions, read once for a run of
// the results engine.
#include <array>

#include "core/records/course_record.h"

namespace quillon {

struct State;

class DivisionTees {
 public:
  // Reads the tee of every division 1..10 of the current tournament header.
  void load(State& state);
  // The tee of a division; a division outside 1..10 plays the first one's.
  const CourseRecord& of(int division) const;

 private:
  std::array<CourseRecord, 10> tees_{};
};

}  // namespace quillon
