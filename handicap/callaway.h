#pragma once
// Callaway handicaps from the day's scores: Callaway and its Scramble,
// Executive, Best Ball and one-division variants, Scheid, and Callaway 9 Hole.
#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"
#include "core/records/tournament_header.h"
#include "handicap/computed_result.h"
#include "handicap/formats.h"
#include "handicap/hole_row.h"

namespace quillon {

struct CallawayStep {
  int adjustment = 0;  // strokes
  int deduction = 0;  // tenths of holes
};

// The adjustment and deduction for an adjusted gross at table base B.
CallawayStep callaway_step(int adjusted, int table_base);
// The same from the Scheid tables.
CallawayStep scheid_step(int adjusted, int table_base);
// Callaway 9 Hole: the adjustment in tenths of a stroke and the deduction in
// hundredths of holes.
CallawayStep callaway9_step(int adjusted, int table_base);
// The part of a hole scored `score` that a quarter, half or three quarters of
// a hole (25, 50 or 75 hundredths) deducts, in tenths of a stroke.
int callaway9_partial_tenths(int score, int hundredths);

// The card of a Callaway Scramble team: the lowest score entered on each
// hole by the named golfers of the group.
// `group_size` is the header's as group_size_of reads it.
HoleScores scramble_team_card(const GroupBuffer& group, int group_size);

// The Callaway formats (and Scheid, and the Callaway division of "Net Scores
// with 1 Callaway Division") over holes 1..18, with
// the pars of `sex` from the tee and the tournament's Callaway settings.
ComputedResult score_callaway(Format format, const HoleScores& scores, char sex, const CourseRecord& tee,
                              const TournamentHeader& header);

// "Callaway 9 Hole" over holes 1..9, with one excluded hole. Like the other Callaway
// formats it keeps the handicap in the two scoring bytes.
ComputedResult score_callaway9(const HoleScores& scores, char sex, const CourseRecord& tee,
                               const TournamentHeader& header);

}  // namespace quillon
