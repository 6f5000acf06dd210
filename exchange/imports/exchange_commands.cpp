#include "exchange/imports/exchange_commands.h"

#include "core/dispatch.h"
#include "core/state.h"
#include "exchange/imports/handicap_refresh.h"
#include "exchange/imports/import_settings_dialog.h"
#include "exchange/imports/score_data_export.h"
#include "exchange/imports/tee_sheet_dialog.h"
#include "exchange/imports/tee_sheet_export.h"
#include "exchange/imports/tee_sheet_import.h"
#include "tournament/tournament_selection.h"

namespace quillon {

namespace {

int choose_tournament(State& state) {
  if (!check_precondition(state, Precondition::a_tournament)) return 0;
  return select_tournament(state, TournamentList::days);
}

}  // namespace

void register_exchange_commands(CommandRegistry& r) {
  r.add({1106}, [](State& s, int) {
    if (int t = choose_tournament(s)) import_tee_sheet(s, t);
  });
  r.add({1107}, [](State& s, int) {
    if (int t = choose_tournament(s)) export_tee_sheet(s, t);
  });
  r.add({2004, 920}, [](State& s, int) { export_score_data(s); });
  r.add({921}, [](State& s, int) { tee_sheet_exchange(s); });
  r.add({1411}, [](State& s, int) { change_import_settings(s); });
  r.add({1410}, [](State& s, int) {
    if (choose_tournament(s)) refresh_imported_handicaps(s);
  });
}

}  // namespace quillon
