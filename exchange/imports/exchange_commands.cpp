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
    int t = choose_tournament(s);
    return t ? import_tee_sheet(s, t) : Status::told();
  });
  r.add({1107}, [](State& s, int) {
    int t = choose_tournament(s);
    return t ? export_tee_sheet(s, t) : Status::told();
  });
  r.add({2004, 920}, [](State& s, int) { return export_score_data(s); });
  r.add({921}, [](State& s, int) { return tee_sheet_exchange(s); });
  r.add({1411}, [](State& s, int) { return change_import_settings(s); });
  r.add({1410}, [](State& s, int) { return choose_tournament(s) ? refresh_imported_handicaps(s) : Status::told(); });
}

}  // namespace quillon
