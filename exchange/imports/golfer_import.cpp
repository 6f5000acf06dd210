#include "exchange/imports/golfer_import.h"

#include "core/dispatch.h"
#include "core/messages.h"
#include "core/state.h"
#include "exchange/imports/golfer_sources.h"
#include "tournament/reorganize.h"
#include "tournament/tournament_selection.h"

namespace quillon {

namespace {

// The window asks again on RESET; each reader tells the user what went wrong
// and the list keeps what was read.
HoldingList members_of_source(State& state) {
  HoldingList holding;
  Status listed = fill_import_list(state, holding, {});
  if (listed.needs_telling()) error_box(state, "%s", listed.reason().c_str());
  return holding;
}

}  // namespace

bool import_golfers(State& state, const CardScorer& scorer, std::mt19937& random) {
  if (!check_precondition(state, Precondition::a_tournament)) return false;
  if (select_tournament(state, TournamentList::days) == 0) return false;
  if (configured_source(state) == ImportSource::ravelin && !ravelin_database_located(state)) return false;
  ReorganizeModel window(state, ReorganizeMode::import, scorer, random);
  window.set_holding_source(members_of_source);
  if (!window.field_read()) return false;
  return state.ui.run_dialog(window);
}

}  // namespace quillon
