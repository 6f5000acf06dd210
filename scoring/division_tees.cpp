#include "scoring/division_tees.h"

#include "core/database.h"
#include "core/state.h"
#include "tournament/field.h"

namespace quillon {

void DivisionTees::load(State& state) {
  strokes_ = StrokeTables{};
  for (int division = 1; division <= 10; ++division) {
    // A division without a tee (slot 0) gets an empty record, not the last one read.
    if (read_record(state, RecordKind::course, tee_of_division(state, division)) > 0)
      tees_[division - 1] = state.course;
    else tees_[division - 1] = CourseRecord{};
  }
}

const CourseRecord& DivisionTees::of(int division) const {
  if (division < 1 || division > 10) division = 1;
  return tees_[division - 1];
}

}  // namespace quillon
