#pragma once
// "Tee Sheet Import and Export" (the main window's Tee Sheets button): a list
// of the tournaments and the export and import of the chosen one's tee sheet.
#include <string>
#include <vector>

#include "core/dialog_model.h"

#include "core/status.h"

namespace quillon {

struct State;

class TeeSheetDialogModel : public DialogModel {
 public:
  explicit TeeSheetDialogModel(State& state);
  std::string id() const override { return "tee_sheet_exchange"; }
  bool accept() override { return true; }

  // The tournament slot of the chosen line, 0 when none is chosen.
  int chosen_tournament() const;

 protected:
  void on_pressed(Field& field) override;

 private:
  State& state_;
  std::vector<int> slots_;
  // Set once the list is built.
  Field* tournament_ = nullptr;
  Field* export_tee_sheet_ = nullptr;
  Field* import_tee_sheet_ = nullptr;
};

Status tee_sheet_exchange(State& state);

}  // namespace quillon
