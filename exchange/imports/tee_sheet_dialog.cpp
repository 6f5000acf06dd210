#include "exchange/imports/tee_sheet_dialog.h"

#include <algorithm>

#include "core/database.h"
#include "core/dispatch.h"
#include "core/fixed_text.h"
#include "core/state.h"
#include "exchange/imports/tee_sheet_export.h"
#include "exchange/imports/tee_sheet_import.h"
#include "tournament/tournament_selection.h"

namespace quillon {

TeeSheetDialogModel::TeeSheetDialogModel(State& state) : state_(state) {
  title_ = "Tee Sheet Import and Export";
  struct Listed {
    int slot;
    std::string line;
  };
  std::vector<Listed> listed;
  for (int t = 1; t <= state.tournament_count; ++t) {
    // The list offers the tournaments read before a failure, which is told once.
    if (!read_record(state, RecordKind::tournament, t)) break;
    if (tournament_slot_free(state.header) || state.header.format == multi_round_format) continue;
    TournamentHeader h = state.header;
    listed.push_back({t, tournament_list_line(state, h, false)});
  }
  std::vector<std::string> lines;
  for (auto it = listed.rbegin(); it != listed.rend(); ++it) {
    slots_.push_back(it->slot);
    lines.push_back(it->line);
  }
  tournament_ = &add(Field::list_field("tournament", "Tournaments", lines));
  export_tee_sheet_ = &add(Field::button_field("export_tee_sheet", "Export Tee Sheet to Excel Spreadsheet"));
  import_tee_sheet_ = &add(Field::button_field("import_tee_sheet", "Import Tee Sheet from Excel Spreadsheet"));
}

int TeeSheetDialogModel::chosen_tournament() const {
  int i = tournament_->index;
  return i >= 0 && i < static_cast<int>(slots_.size()) ? slots_[static_cast<std::size_t>(i)] : 0;
}

void TeeSheetDialogModel::on_pressed(Field& f) {
  // Each tells the user how it went; the dialog stays open either way.
  if (&f == export_tee_sheet_) (void)export_tee_sheet(state_, chosen_tournament());
  if (&f == import_tee_sheet_) (void)import_tee_sheet(state_, chosen_tournament());
}

Status tee_sheet_exchange(State& state) {
  if (!check_precondition(state, Precondition::a_tournament)) return Status::told();
  TeeSheetDialogModel model(state);
  return Status::ok_or_told(state.ui.run_dialog(model));
}

}  // namespace quillon
