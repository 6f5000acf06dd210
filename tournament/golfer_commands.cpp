#include "tournament/golfer_commands.h"

#include "core/database.h"
#include "core/messages.h"
#include "core/state.h"
#include "tournament/field.h"
#include "tournament/golfer_detail.h"
#include "tournament/golfer_summary.h"
#include "tournament/tournament_selection.h"

namespace quillon {

namespace {

int last_group_used(const State& state) { return state.current_group < 1 ? 1 : state.current_group; }

bool open_window(State& state, GolferWindow window_kind) {
  if (window_kind == GolferWindow::detail) {
    GolferDetailModel window(state, 1);
    return state.ui.run_dialog(window);
  }
  GolferSummaryModel window(state, last_group_used(state));
  return state.ui.run_dialog(window);
}

bool change_golfers(State& state, GolferWindow window_kind) {
  if (select_tournament(state, TournamentList::days) == 0) return false;
  Result<int> golfers = count_golfers(state);
  if (!golfers) return false;
  if (*golfers == 0) {
    message_box(state, message_kind::error, "No golfers entered for tournament.");
    return false;
  }
  return open_window(state, window_kind);
}

}  // namespace

bool add_golfers(State& state, GolferWindow window_kind) {
  Result<bool> any = any_tournament(state);
  if (!any) return false;
  if (!*any) {
    message_box(state, message_kind::error, "At least one tournament must be entered before adding golfers");
    return false;
  }
  if (select_tournament(state, TournamentList::days) == 0) return false;
  return open_window(state, window_kind);
}

bool change_golfers_summary(State& state) { return change_golfers(state, GolferWindow::summary); }
bool change_golfers_detail(State& state) { return change_golfers(state, GolferWindow::detail); }

}  // namespace quillon
