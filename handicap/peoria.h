#pragma once
// Peoria handicaps from the scores of six (or twelve) hidden holes.
#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"
#include "core/records/tournament_header.h"
#include "handicap/computed_result.h"

namespace quillon {

// The most a hole counts in the Peoria sum.
int peoria_cap(int par);

// Formats 7 (Modified, x 2.8), 28 (Single, x 2.4) and 29 (Double, both hole
// sets, x 1.2); the handicap is rounded half away from zero and has no maximum.
ComputedResult score_peoria(int format, const GolferEntry& golfer, const CourseRecord& tee,
                            const TournamentHeader& header);

}  // namespace quillon
