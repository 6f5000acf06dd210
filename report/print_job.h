#pragma once
// The print facility: the preview window and the print job of printed
// reports, and the page control the drawing code uses.
#include <functional>
#include <string>

#include "core/print_canvas.h"
#include "core/status.h"
#include "core/ui.h"

namespace quillon {

struct State;

// What the drawing code of a report draws on: the canvas and whether it goes
// to a printer (paged) or to the preview's continuous sheet.
class PrintOutput {
 public:
  PrintOutput(State& state, PrintCanvas& canvas, bool printing) : canvas(canvas), printing(printing), state_(state) {}

  PrintCanvas& canvas;
  const bool printing;

  // Begin and end a printed page; a failure is shown and the job goes on.
  void start_page();
  void end_page();
  // The user's Cancel, checked between the items of a report.
  bool cancelled() { return printing && canvas.cancel_requested(); }

 private:
  State& state_;
};

// Draws a report; returns false when it stopped on the user's Cancel.
using DrawReport = std::function<bool(PrintOutput&)>;

// Draws the report onto a continuous sheet of at least `sheet_lines` rows
// (never fewer than preview_minimum_lines) and shows it in the preview window.
inline constexpr int preview_minimum_lines = 60;
PreviewAction print_preview(State& state, const std::string& title, int sheet_lines, const DrawReport& draw);

// The print job: opens the printer, draws the report and sends it. A Cancel
// abandons the job so that nothing of it reaches the printer. Failures are
// shown; Status::told() then, and also after a Cancel.
[[nodiscard]] Status print_job(State& state, const PrintSettings& settings, const DrawReport& draw);

// The settings of a job with the system record's print offsets.
PrintSettings job_settings(const State& state);

}  // namespace quillon
