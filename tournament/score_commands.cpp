#include "tournament/score_commands.h"

#include "core/database.h"
#include "core/messages.h"
#include "core/state.h"
#include "tournament/field.h"
#include "tournament/score_entry.h"
#include "tournament/tournament_selection.h"

namespace quillon {

namespace {

bool open_window(State& state, int group, const CardScorer& scorer) {
  ScoreEntryModel window(state, group, scorer);
  return state.ui.run_dialog(window);
}

}  // namespace

bool add_scores(State& state, const CardScorer& scorer) {
  Result<bool> any = any_tournament(state);
  if (!any) return false;
  if (!*any) {
    message_box(state, message_kind::error, "At least one tournament must be entered before adding golfers");
    return false;
  }
  if (select_tournament(state, TournamentList::days) == 0) return false;
  return open_window(state, 1, scorer);
}

bool change_scores(State& state, const CardScorer& scorer) {
  int group = state.current_group;
  Result<bool> any = any_tournament(state);
  if (!any) return false;
  const bool exists = *any;
  if (exists && select_tournament(state, TournamentList::days) == 0) return false;
  Result<int> golfers = exists ? count_golfers(state) : Result<int>(0);
  if (!golfers) return false;
  if (*golfers == 0) {
    message_box(state, message_kind::error, "No golfers entered for tournament.");
    return false;
  }
  return open_window(state, group, scorer);
}

}  // namespace quillon
