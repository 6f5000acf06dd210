#pragma once
// Per-format rules of the results engine: which routine scores a card, how the
// sort key is made and which group of tie-break texts applies.
#include "core/records/tournament_header.h"

namespace quillon {

// The format groups shared by the tie-break keys and their explanation texts.
enum class TieBreakGroup { none, callaway, gross, net, stableford, system36 };
TieBreakGroup tie_break_group(int format);

// Team formats are ranked per group; the hidden ones (11, 12, 14, 15) carry
// the team flag but are never scored.
bool is_scored_team_format(int format);
bool is_hidden_team_format(int format);
// Formats whose team card is kept in the group's first entry.
bool team_card_in_first_slot(int format);

// Whether the golfer of `division` is scored by Callaway in format 8.
bool in_callaway_division(const TournamentHeader& header, int division);

// Whether the lower (computed) handicap wins a tie on the primary value.
bool prefers_lower_handicap(const TournamentHeader& header, int division);

// Formats whose tie-break values are capped at twice the par (Callaway group and Ambrose).
bool caps_at_double_par(int format);

// Formats for which the alternating gross and net list is produced.
bool offers_alternating_list(int format);

// Report types of build_results.
namespace report_type {
inline constexpr int traditional = 0;
inline constexpr int gross_and_net = 1;
inline constexpr int alphabetical = 2;
inline constexpr int hole_by_hole = 3;
inline constexpr int flights_by_score = 4;
inline constexpr int hole_by_hole_points = 5;
}  // namespace report_type

}  // namespace quillon
