#include "scoring/format_rules.h"

namespace quillon {

bool in_callaway_division(const TournamentHeader& header, int division) {
  return format_of(header) == Format::net_with_callaway_division && division == header.callaway_division;
}

bool prefers_lower_handicap(const TournamentHeader& header, int division) {
  return format_traits(header).lower_handicap_wins || in_callaway_division(header, division);
}

bool plays_computed_handicap(const TournamentHeader& header, int division) {
  return format_traits(header).kind == HandicapKind::computed || in_callaway_division(header, division);
}

}  // namespace quillon
