#pragma once
// Scoring of one golfer of the current group by the tournament's format: the
// card check, then the routine of the format, whose results are written into
// the golfer entry of the group buffer.
#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"
#include "core/records/tournament_header.h"
#include "core/status.h"

namespace quillon {

struct State;

// Hole scores are whole strokes 1..15; anything else counts as not entered.
inline constexpr int highest_hole_score = 15;

// The first hole 1..hole_count without a valid score, 0 when the card is complete.
int first_missing_hole(const GolferEntry& golfer, int hole_count);

// Whether the user is told of a card that cannot be scored, or the caller
// gets the reason to do with as it sees fit.
enum class CardMessages { quiet, shown };

// Scores golfer `slot` (1-based) of state.group on the tee of the golfer's
// division. Fails when the card cannot be scored
// (the reason names the hole missing; when shown, the user has been told).
// An incomplete card is scored only for "Gross Scores" with messages quiet.
Status score_golfer(State& state, int slot, CardMessages messages);

// The same on a tee record the caller has read already.
Status score_golfer_on_tee(State& state, int slot, const CourseRecord& tee, CardMessages messages);

// The net family: gross from the holes, course and playing handicap of the
// golfer's division, net = gross - playing handicap. An incomplete card keeps
// its typed gross, handicaps and net. The adjusted gross equals the gross.
void score_net(const TournamentHeader& header, const CourseRecord& tee, GolferEntry& golfer, char sex,
               bool card_complete);

}  // namespace quillon
