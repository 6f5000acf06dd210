#include "scoring/format_rules.h"

#include "tournament/formats.h"

namespace quillon {

TieBreakGroup tie_break_group(int format) {
  switch (format) {
    case 0: case 16: case 17: case 18: case 25:
      return TieBreakGroup::callaway;
    case 1: case 6: case 9: case 13: case 27:
      return TieBreakGroup::gross;
    case 2: case 5: case 7: case 10: case 19: case 22: case 28: case 29:
      return TieBreakGroup::net;
    case 3: case 4: case 20: case 26:
      return TieBreakGroup::stableford;
    case 21:
      return TieBreakGroup::system36;
    default:
      return TieBreakGroup::none;
  }
}

bool is_hidden_team_format(int format) { return format == 11 || format == 12 || format == 14 || format == 15; }

bool is_scored_team_format(int format) { return is_team_format(format) && !is_hidden_team_format(format); }

bool team_card_in_first_slot(int format) { return format == 13 || format == 16 || format == 19; }

bool in_callaway_division(const TournamentHeader& header, int division) {
  return header.format == 8 && division == header.callaway_division;
}

bool prefers_lower_handicap(const TournamentHeader& header, int division) {
  switch (header.format) {
    case 0: case 17: case 18: case 19: case 21: case 25:
      return true;
    default:
      return in_callaway_division(header, division);
  }
}

bool caps_at_double_par(int format) { return tie_break_group(format) == TieBreakGroup::callaway || format == 19; }

bool offers_alternating_list(int format) {
  switch (format) {
    case 0: case 2: case 3: case 4: case 5: case 7: case 8: case 17: case 18: case 20: case 28: case 29: case 30:
      return true;
    default:
      return false;
  }
}

}  // namespace quillon
