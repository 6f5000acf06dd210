#pragma once
// The course/tee records of a tournament's divisions, read once for a run of
// the results engine.
#include <array>

#include "core/records/course_record.h"
#include "core/status.h"
#include "scoring/stroke_tables.h"

namespace quillon {

struct State;

class DivisionTees {
 public:
  // Reads the tee of every division 1..10 of the current tournament header.
  // Fails, told, when a tee could not be read.
  [[nodiscard]] Status load(State& state);
  // The tee of a division; a division outside 1..10 plays the first one's.
  const CourseRecord& of(int division) const;
  // The strokes per hole on these tees, remembered for the run.
  StrokeTables& stroke_tables() const { return strokes_; }

 private:
  std::array<CourseRecord, 10> tees_{};
  mutable StrokeTables strokes_;
};

}  // namespace quillon
