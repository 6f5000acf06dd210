#include "scoring/division_tees.h"

#include "core/record_values.h"
#include "core/state.h"
#include "tournament/field.h"

namespace quillon {

Status DivisionTees::load(State& state) {
  strokes_ = StrokeTables{};
  for (int division = 1; division <= 10; ++division) {
    // A division without a tee (slot 0) gets an empty record, not the last one read.
    Result<CourseRecord> tee = telling(state, load_course(state, tee_of_division(state, division)));
    if (!tee) return tee.status();
    tees_[division - 1] = *tee;
  }
  return Status::ok();
}

const CourseRecord& DivisionTees::of(int division) const {
  if (division < 1 || division > 10) division = 1;
  return tees_[division - 1];
}

}  // namespace quillon
