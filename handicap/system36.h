#pragma once
// The System 36 handicap: 36 less two for every hole at par or better and one
// for every bogey.
#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"
#include "core/records/tournament_header.h"
#include "handicap/computed_result.h"

namespace quillon {

// `options` bit of "Use entered handicap if lower" (format 21).
inline constexpr unsigned use_entered_handicap_option = 0x0040;

// The System 36 value of the card over the tee's holes; a 9-hole course
// starts from 18.
int system36_value(const GolferEntry& golfer, const CourseRecord& tee);

// Format 21. With the option set, a non-zero entered index (whole strokes)
// not above the System 36 value is played instead. The handicap played is
// kept in the two scoring bytes.
ComputedResult score_system36(const GolferEntry& golfer, const CourseRecord& tee, const TournamentHeader& header);

}  // namespace quillon
