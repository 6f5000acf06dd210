#pragma once
// The tournament formats by name and the one table of what each format is:
// its name, its handicap basis, whether teams play it, and the rules the
// tournament dialog, the results engine and the reports look up. Everything
// that depends on the format asks this table instead of comparing codes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/records/tournament_header.h"

namespace quillon {

// The stored `format` byte of a tournament header.
enum class Format : std::uint8_t {
  callaway = 0,
  gross = 1,
  net = 2,
  stableford_net_par = 3,
  stableford_net_bogey = 4,
  daily_equalizer = 5,
  best_123_gross = 6,
  peoria_modified = 7,
  net_with_callaway_division = 8,
  best_balls_gross = 9,
  best_balls_net = 10,
  best_ball_four_man_gross = 11,
  best_ball_four_man_net = 12,
  scramble = 13,
  best_two_net = 14,
  best_two_gross = 15,
  callaway_scramble = 16,
  callaway_executive = 17,
  callaway_nine = 18,
  ambrose = 19,
  stableford_custom = 20,
  system36 = 21,
  best_123_net = 22,
  best_holes_gross = 23,
  best_holes_net = 24,
  scheid = 25,
  best_balls_stableford = 26,
  best_two_gross_net = 27,
  peoria_single = 28,
  peoria_double = 29,
  best_balls_callaway = 30,
  multi_round = multi_round_format,
};

// The formats 0..30 of the table; the multi-round code lies outside it.
inline constexpr int format_count = 31;

// The handicap basis of a format.
enum class HandicapKind : std::uint8_t {
  computed,  // the day's scores decide the handicap
  net,  // course handicap from the index
  gross,  // no handicap played (still shown)
};

// The routine of the results engine that scores a golfer's card.
enum class Scoring : std::uint8_t {
  none,  // hidden team formats: nothing is computed
  net,  // gross less the playing handicap
  net_or_callaway_division,  // net, but Callaway for the Callaway division
  callaway,
  callaway_team_card,  // Callaway of the team's lowest scores
  callaway_nine,
  stableford,
  daily_equalizer,
  peoria,
  ambrose,
  system36,
  best_holes,
};

// The format groups shared by the tie-break keys and their explanation texts.
enum class TieBreakGroup : std::uint8_t { none, callaway, gross, net, stableford, system36 };

// How a team's hole values are made from its members' cards.
enum class TeamPlay : std::uint8_t {
  none,  // individual format, or a hidden team format
  best_balls,  // the counted best balls of each hole
  best_by_par,  // one ball on a par 5, two on a par 4, three on a par 3
  one_gross_one_net,  // the best net and the best gross ball of different golfers
  stableford_points,  // the counted best points of each hole
  lowest_card,  // the team's lowest score on each hole (scramble card)
  first_card,  // the card kept in the group's first entry
};

// The Stableford points table a format uses.
enum class StablefordTable : std::uint8_t { none, net_par, net_bogey, custom };

// How the results rank a golfer's primary value.
enum class PrimaryValue : std::uint8_t {
  net,  // the net score
  gross,  // the gross score (net in the alternating list)
  points,  // Stableford points, more is better
  to_par,  // the best holes' total to par
};

// The group sizes a format allows.
enum class GroupSizes : std::uint8_t {
  any,  // 1..5
  team,  // more than 1 (hidden team formats)
  two_to_five,  // 2..5, named in the refusal
  three_to_five,  // 3..5, named in the refusal
};

// The course sizes a format allows.
enum class CourseSizes : std::uint8_t { any, eighteen_holes, nine_holes };

// Callaway settings (`callaway_max_handicap`, `callaway_table_base`).
struct CallawayDefaults {
  int max_handicap = 0;
  int table_base = 0;
  bool operator==(const CallawayDefaults&) const = default;
};
// The settings of a new header and the fallback of formats without their own.
inline constexpr CallawayDefaults standard_callaway_defaults = {51, 70};

struct FormatTraits {
  const char* name = "";
  HandicapKind kind = HandicapKind::gross;
  bool team = false;
  bool hidden = false;  // valid in stored records but not offered
  Scoring scoring = Scoring::none;
  TieBreakGroup tie_break = TieBreakGroup::none;
  PrimaryValue primary = PrimaryValue::net;
  TeamPlay team_play = TeamPlay::none;
  // Team members' values take their handicap strokes.
  bool team_strokes = false;
  StablefordTable stableford = StablefordTable::none;
  // The lower computed handicap wins a tie on the primary value.
  bool lower_handicap_wins = false;
  // Tie-break values are capped at twice the par.
  bool caps_at_double_par = false;
  // The alternating gross and net list is produced.
  bool alternating_list = false;
  // Callaway settings set when the format is chosen, if any.
  std::optional<CallawayDefaults> callaway_on_choice = std::nullopt;
  GroupSizes group_sizes = GroupSizes::any;
  CourseSizes course_sizes = CourseSizes::any;
  // Controls of the tournament dialog.
  int peoria_sets = 0;  // Peoria hole sets edited: 0, 1 or 2
  bool callaway_configuration = false;
  bool best_balls_choice = false;
  bool best_holes_choice = false;
  bool allowances = false;  // handicap allowances other than 100%
};

// The row of a format; codes outside the table (the multi-round event among
// them) read as an empty gross row.
const FormatTraits& format_traits(Format format);
const FormatTraits& format_traits(const TournamentHeader& header);

inline Format format_of(const TournamentHeader& header) { return static_cast<Format>(header.format); }
inline int format_code(Format format) { return static_cast<int>(format); }
inline void set_format(TournamentHeader& header, Format format) {
  header.format = static_cast<std::uint8_t>(format_code(format));
}
// Whether a code names a format of the table (0..30).
bool is_table_format(int code);

const char* format_name(Format format);
// The formats offered in the "Format" list, in code order.
std::vector<Format> offered_formats();

// Callaway settings a format starts with: its own, or the standard ones.
CallawayDefaults callaway_defaults(Format format);

// Formats ranked by Stableford points, by golfer or by team.
inline bool scores_points(Format format) { return format_traits(format).stableford != StablefordTable::none; }
// The Stableford formats of single golfers.
inline bool is_individual_stableford(Format format) { return scores_points(format) && !format_traits(format).team; }
// Formats whose team card is kept in the group's first entry.
inline bool team_card_in_first_slot(Format format) {
  const TeamPlay play = format_traits(format).team_play;
  return play == TeamPlay::first_card || play == TeamPlay::lowest_card;
}
// Team formats that are scored; the hidden ones carry the team flag only.
inline bool is_scored_team_format(Format format) {
  return format_traits(format).team && format_traits(format).team_play != TeamPlay::none;
}

}  // namespace quillon
