#pragma once
// Scoring of one golfer of the current group by the tournament's format: the
// card check, then the routine of the format, whose results are written into
// the golfer entry of the group buffer.
#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"
#include "core/records/tournament_header.h"

namespace quillon {

struct State;

// Hole scores are whole strokes 1..15; anything else counts as not entered.
inline constexpr int highest_hole_score = 15;

// The first hole 1..hole_count without a valid score, 0 when the card is complete.
int first_missing_hole(const GolferEntry& golfer, int hole_count);

// Scores golfer `slot` (1-based) of state.group after reading the tee of the
// golfer's division into state.course. Returns 0 when scored, -1 when the card
// cannot be scored (with messages on, after telling the user which hole is
// missing). An incomplete card is scored only for "Gross Scores" with messages off.
int score_golfer(State& state, int slot, bool show_messages);

// The same on a tee record the caller has read already.
int score_golfer_on_tee(State& state, int slot, const CourseRecord& tee, bool show_messages);

// The net family: gross from the holes, course and playing handicap of the
// golfer's division, net = gross - playing handicap. An incomplete card keeps
// its typed gross, handicaps and net. The adjusted gross equals the gross.
void score_net(const TournamentHeader& header, const CourseRecord& tee, GolferEntry& golfer, char sex,
               bool card_complete);

}  // namespace quillon
