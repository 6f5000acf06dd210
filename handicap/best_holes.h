#pragma once
// Best Holes: the sum to par of the golfer's best holes.
#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"
#include "core/records/tournament_header.h"
#include "handicap/computed_result.h"
#include "handicap/formats.h"

namespace quillon {

// "Best Holes - Gross" and "- Net". Each hole counts its capped score less par
// (and for the net one less the strokes of the course handicap without rating, par or
// allowance); `net` is the sum of the best `best_holes_count` of them.
// `handicap` is that course handicap, for both formats, and goes into the two
// scoring bytes; the adjusted gross is 0 and the index is left alone.
ComputedResult score_best_holes(Format format, const GolferEntry& golfer, const CourseRecord& tee,
                                const TournamentHeader& header);

}  // namespace quillon
