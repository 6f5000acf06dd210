#include "report/label_sheets.h"

#include "core/database.h"
#include "core/state.h"
#include "core/text.h"

namespace quillon {

namespace {

constexpr double mm = 1.0 / 25.4;

// Avery's published layouts: Letter sheets in inches, A4 sheets in millimetres.
const LabelSheet sheets[label_format_count] = {
    {"Avery 5159", Paper::letter, 7, 2, 0.25, 0.15625, 4.1875, 1.5, 4.0, 1.5},
    {"Avery 5160", Paper::letter, 10, 3, 0.5, 0.1875, 2.75, 1.0, 2.625, 1.0},
    {"Avery 5161", Paper::letter, 10, 2, 0.5, 0.15625, 4.1875, 1.0, 4.0, 1.0},
    {"Avery 5162", Paper::letter, 7, 2, 0.8333, 0.15625, 4.1875, 1.3333, 4.0, 1.3333},
    {"Avery L7160", Paper::a4, 7, 3, 15.15 * mm, 7.25 * mm, 66.04 * mm, 38.1 * mm, 63.5 * mm, 38.1 * mm},
    {"Avery L7161", Paper::a4, 6, 3, 8.8 * mm, 7.25 * mm, 66.04 * mm, 46.6 * mm, 63.5 * mm, 46.6 * mm},
    {"Avery L7162", Paper::a4, 8, 2, 12.9 * mm, 4.65 * mm, 101.6 * mm, 33.9 * mm, 99.1 * mm, 33.9 * mm},
};

constexpr const char* alignment_text =
    "On some printers, the horizontal or vertical alignment need to be adjusted.  The units of adjustment are "
    "tenths of an inch horizontally and sixths of an inch vertically.  \nThe default offsets are 0 and 0.";

std::vector<std::string> offset_options() {
  std::vector<std::string> options;
  for (int v = -largest_label_offset; v <= largest_label_offset; ++v) options.push_back(format_text(8, "%d", v));
  return options;
}

std::vector<std::string> label_positions(const LabelSheet& sheet) {
  std::vector<std::string> positions;
  for (int row = 1; row <= sheet.rows; ++row)
    for (int column = 1; column <= sheet.columns; ++column)
      positions.push_back(format_text(32, "Row %d, Column %d", row, column));
  return positions;
}

int offset_index(int value) {
  if (value < -largest_label_offset || value > largest_label_offset) value = 0;
  return value + largest_label_offset;
}

}  // namespace

const LabelSheet& label_sheet(int label_format) {
  return sheets[label_format >= 0 && label_format < label_format_count ? label_format : 0];
}

StartPositionModel::StartPositionModel(const LabelSheet& sheet)
    : start_position_(
          add(Field::list_field("start_position", std::string(sheet.name) + " label", label_positions(sheet)))) {
  title_ = "Select Starting Print Position";
  start_position_.index = 0;
  focus_ = start_position_.name;
}

PrinterAlignmentModel::PrinterAlignmentModel(State& state)
    : state_(state),
      explanation_(add(Field::label_field("explanation", alignment_text))),
      label_offset_x_(add(Field::list_field("label_offset_x", "Horizontal Offset", offset_options()))),
      label_offset_y_(add(Field::list_field("label_offset_y", "Vertical Offset", offset_options()))) {
  title_ = "Printer Output Alignment";
  help_topic_ = Help::printer_alignment;
  label_offset_x_.index = offset_index(state.system.label_offset_x);
  label_offset_x_.group = "Address Labels";
  label_offset_y_.index = offset_index(state.system.label_offset_y);
  label_offset_y_.group = "Address Labels";
  focus_ = label_offset_x_.name;
}

bool PrinterAlignmentModel::accept() {
  int across = label_offset_x_.index - largest_label_offset;
  int down = label_offset_y_.index - largest_label_offset;
  if (across == state_.system.label_offset_x && down == state_.system.label_offset_y) return true;
  SystemRecord before = state_.system;
  state_.system.label_offset_x = static_cast<std::int8_t>(across);
  state_.system.label_offset_y = static_cast<std::int8_t>(down);
  if (write_record(state_, RecordKind::system, 1)) return true;
  state_.system = before;  // the file keeps the old offsets, so do we
  return false;
}

Status printer_output_alignment(State& state) {
  PrinterAlignmentModel model(state);
  return Status::ok_or_told(state.ui.run_dialog(model));
}

}  // namespace quillon
