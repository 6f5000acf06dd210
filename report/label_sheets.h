#pragma once
// The address label sheets of the "Address Label Format" setting, with their
// published dimensions, and the dialogs that go with printing on them.
#include <string>

#include "core/dialog_model.h"
#include "core/print_canvas.h"
#include "core/status.h"

namespace quillon {

struct State;

struct LabelSheet {
  const char* name;
  Paper paper;
  int rows, columns;
  // Inches from the paper's edges: the first label's corner, the distance
  // from one label to the next, and a label's size.
  double top, left, pitch_across, pitch_down, width, height;
};

inline constexpr int label_format_count = 7;
// The sheet of a `label_format` 0..6 ("Avery 5159" .. "Avery L7162"); the
// first for anything else.
const LabelSheet& label_sheet(int label_format);

// "Select Starting Print Position": one choice per label of the sheet, the
// first chosen; chosen() = row × columns + column from 0.
class StartPositionModel : public DialogModel {
 public:
  explicit StartPositionModel(const LabelSheet& sheet);
  std::string id() const override { return "label_start_position"; }
  bool accept() override { return true; }
  int chosen() const { return start_position_.index; }

 private:
  Field& start_position_;
};

// "Printer Output Alignment" (command 1707): the address label offsets.
class PrinterAlignmentModel : public DialogModel {
 public:
  explicit PrinterAlignmentModel(State& state);
  std::string id() const override { return "printer_alignment"; }
  bool accept() override;

 private:
  State& state_;
  Field& explanation_;
  Field& label_offset_x_;
  Field& label_offset_y_;
};

inline constexpr int largest_label_offset = 3;
Status printer_output_alignment(State& state);

}  // namespace quillon
