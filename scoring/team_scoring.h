#pragma once
// Team formats: the members' hole values combined hole by hole into one team
// row, its total and its sort key.
#include <array>
#include <string>

#include "core/records/golfer_entry.h"
#include "core/records/tournament_header.h"
#include "scoring/tie_break.h"

namespace quillon {

struct State;
class DivisionTees;

// A hole a member did not play counts this much, behind every score.
inline constexpr int missing_ball = 99;

struct TeamScore {
  bool scored = false;  // false: the team is left out (no scores, or a card that cannot be scored)
  int hole_count = 18;  // holes of the team card's tee
  std::array<int, 18> row{};  // team value per hole (team points for format 26)
  int total = 0;  // the team result: sum of the row, the team card's net for 16 and 19
  // For display: the members' values ranked per hole, best first, and how
  // many of them the hole counted.
  std::array<std::array<int, 18>, max_group_size> ranked{};
  std::array<int, 18> balls_used{};
  // Balls counted on a hole that no member played: each adds missing_ball
  // to the hole's value, which ranks an incomplete team behind complete ones.
  std::array<int, 18> missing{};
  int missing_total() const;
  // The hole's value and the total without the missing balls, for display.
  int played_value(int hole_index) const { return row[hole_index] - missing_ball * missing[hole_index]; }
  int played_total() const { return total - missing_ball * missing_total(); }
  // The same combination on raw scores (best-ball formats), for gross lists.
  std::array<int, 18> gross_row{};
  int gross_total = 0;
};

// The slot (1-based) of the member who leads the team: the first named one,
// or slot 1 for the formats whose team card is kept there; 0 for a group
// without a named member.
int team_lead_slot(const TournamentHeader& header, const GroupBuffer& group);

// Balls counted N of the tournament, held to 1..group_size.
int balls_counted(const TournamentHeader& header);

// Scores the team of the group in state.group: each member with a name and a
// score on hole 1 is scored with score_golfer (messages on), then the values
// are combined by the format's rule. The first member without a score leaves
// the team out, as does any card that cannot be scored. The best-ball gross
// row and total, needed by the alternating report only, are left at 0 unless
// asked for.
TeamScore score_team(State& state, const DivisionTees& tees, bool with_gross = true);

// The values the tie-break method compares for a team: its row, capped at
// twice the par for 16 and 19 (with the card's strokes taken off for the count
// back), team points for 26.
TieBreakRow team_tie_break_row(const State& state, const DivisionTees& tees, const TeamScore& team, int method,
                               bool gross_values = false);

// "%03d" of the total (999 - points for 26), two blanks (for Ambrose the team
// handicap "%02d", so that the lower one wins a tie), the tie-break digits.
KeyText team_sort_key(const State& state, const DivisionTees& tees, const TeamScore& team, bool gross_values = false);

}  // namespace quillon
