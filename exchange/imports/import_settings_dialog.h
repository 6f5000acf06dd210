#pragma once
// "Golfer Import Setup" (command 1411): the import source and, for a
// workbook, the columns to read; for Ravelin, the folder of its database.
#include <string>
#include <vector>

#include "core/dialog_model.h"

#include "core/status.h"

namespace quillon {

struct State;

// The Ravelin file the import settings name: "<folder>/rvwin4.dat" for the
// Ravelin source, "<club id>.crs" for the Parlink source, else "".
std::string ravelin_path_for(const State& state);

inline constexpr int import_column_count = 6;
inline constexpr int import_column_length = 15;
inline constexpr int import_folder_length = 59;

class ImportSettingsModel : public DialogModel {
 public:
  explicit ImportSettingsModel(State& state);
  std::string id() const override { return "golfer_import_setup"; }
  // Stores the source, the six column settings and the folder, and writes the
  // import settings record. False when the record could not be written.
  bool accept() override;

 protected:
  void on_changed(Field& field) override;
  void on_pressed(Field& field) override;

 private:
  void show_source_defaults(int choice);
  std::vector<Field*> add_column_fields();

  State& state_;
  int shown_choice_ = 0;
  Field& source_;
  std::vector<Field*> columns_;  // in record order, shown in another
  Field& folder_;
  Field& browse_;
};

// Runs the dialog.
Status change_import_settings(State& state);

}  // namespace quillon
