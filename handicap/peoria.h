#pragma once
// Peoria handicaps from the scores of six (or twelve) hidden holes.
#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"
#include "core/records/tournament_header.h"
#include "handicap/computed_result.h"
#include "handicap/formats.h"

namespace quillon {

// The most a hole counts in the Peoria sum.
int peoria_cap(int par);

// Peoria Modified (x 2.8), Single (x 2.4) and Double (both hole sets, x 1.2);
// the handicap is rounded half away from zero and has no maximum.
ComputedResult score_peoria(Format format, const GolferEntry& golfer, const CourseRecord& tee,
                            const TournamentHeader& header);

}  // namespace quillon
