#pragma once
// The rules of a score card row that do not depend on the window: which
// window a format uses and what it shows, the Stableford pick-up, the marking
// of a hole against par and the handicap figure.
#include <functional>
#include <string>

#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"
#include "core/records/system_record.h"
#include "core/records/tournament_header.h"
#include "core/status.h"
#include "handicap/formats.h"

namespace quillon {

struct State;

// Works out the totals of golfer `slot` (1-based) of state.group the way the
// results engine does and writes them into that entry. Fails when the card
// cannot be scored (an incomplete card).
using CardScorer = std::function<Status(State&, int slot)>;

// Scramble and Ambrose keep one card per team in the group's first entry.
bool uses_team_window(Format format);
// Whether hole cells are marked against par (not for the team cards).
bool marks_par(Format format);
// Whether a card is scored once its last hole is typed.
bool scores_completed_card(Format format);

// A hole score against par; 0 means not entered and is marked like a score
// above par.
enum class ParMark { none, below_par, par, above_par };
ParMark par_mark(int score, int par);
// The green intensity (of 255) a front end frames the cell with; 0 for none.
int par_mark_green(ParMark mark);

// The lowest stroke count, from the hole's par up to 9, that scores no
// Stableford point for the golfer on that hole of the tee; 9 when every count
// up to 9 still scores. The golfer's index, division and gender (M or F) must
// be those of the card.
int pick_up_score(Format format, const GolferEntry& golfer, const CourseRecord& tee, int hole,
                  const TournamentHeader& header, const SystemRecord& system);

// The handicap figure of a row: the team handicap for Ambrose, nothing for
// Scramble, otherwise the index as "%-4.1f" or "+%3.1f" for a plus index.
std::string score_handicap_text(Format format, const GolferEntry& entry);

// A hole cell's text as a score: digits only, anything else reads as not
// entered (0).
int cell_score(const std::string& text);

}  // namespace quillon
