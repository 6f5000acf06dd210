#pragma once
// The sort key of an individual golfer: primary value "%03d", handicap
// preference "%02d", then the tie-break digits. Lower sorts first.
#include <string>

#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"
#include "core/records/system_record.h"
#include "core/records/tournament_header.h"
#include "scoring/key_digits.h"
#include "scoring/stroke_tables.h"

namespace quillon {

// The primary value of a scored golfer for a report type: net (or points
// turned around, or the to-par total + 250) by format; "Gross Scores" ranks
// by gross except in the alternating report.
int primary_value(const TournamentHeader& header, const GolferEntry& golfer, int report_type);

// The key of a scored golfer. `sex` is the golfer's sex code (M or F);
// `tables`, when given, supply the strokes per hole.
KeyText golfer_sort_key(const TournamentHeader& header, const CourseRecord& tee, const SystemRecord& system,
                        const GolferEntry& golfer, char sex, int report_type, StrokeTables* tables = nullptr);

// The key of the gross list of the alternating report: "%03d" of the gross
// score and the tie-break digits of the gross hole scores.
KeyText golfer_gross_key(const TournamentHeader& header, const CourseRecord& tee, const SystemRecord& system,
                         const GolferEntry& golfer, char sex, StrokeTables* tables = nullptr);

}  // namespace quillon
