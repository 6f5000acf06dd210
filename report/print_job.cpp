#include "report/print_job.h"

#include <algorithm>

#include "core/desktop_settings.h"
#include "core/messages.h"
#include "core/print_recording.h"
#include "core/state.h"

namespace quillon {

namespace {

// A failed page start or end gives no device status here; 0 is the status a
// device reports for a page it could not start or end.
constexpr int failed_page_status = 0;

void tell_opening_failure(State& state, const PrinterOpening& opening) {
  switch (opening.failure) {
    case PrintFailure::none: break;
    case PrintFailure::no_printer:
      message_box(state, message_kind::error, "Request cancelled or printer not available");
      break;
    case PrintFailure::abort_procedure:
      message_box(state, message_kind::error, "Error creating printer abort proc");
      break;
    case PrintFailure::start_document: message_box(state, message_kind::error, "Unable to start print job"); break;
    case PrintFailure::cancel_window:
      ask_titled(state, message_kind::error, "Error", "NULL Abort window handle");
      break;
  }
}

}  // namespace

void PrintOutput::start_page() {
  if (!canvas.start_page())
    message_box(state_, message_kind::error,
                "ERR : StartPage : An error was encountered while initializing a new page, startpage status = %d",
                failed_page_status);
}

void PrintOutput::end_page() {
  if (!canvas.end_page())
    message_box(state_, message_kind::error,
                "ERR : EndPage : An error was encountered while advancing to a new page. Endpage status = %d",
                failed_page_status);
}

PreviewAction print_preview(State& state, const std::string& title, int sheet_lines, const DrawReport& draw) {
  RecordingCanvas sheet;
  PrintOutput output(state, sheet, false);
  draw(output);
  // The sheet is as long as the report needs, whatever was estimated.
  int lines = std::max({sheet_lines, preview_minimum_lines, sheet.drawing().last_row() + 2});
  return state.ui.show_print_preview(title, sheet.drawing(), lines);
}

Status print_job(State& state, const PrintSettings& settings, const DrawReport& draw) {
  PrinterOpening opening = state.ui.open_printer(settings);
  if (!opening.canvas) {
    if (opening.failure == PrintFailure::none) opening.failure = PrintFailure::no_printer;
    tell_opening_failure(state, opening);
    return Status::told();
  }
  PrintCanvas& canvas = *opening.canvas;
  PrintOutput output(state, canvas, true);
  bool complete = draw(output);
  if (!complete || canvas.cancel_requested()) {
    canvas.abandon();
    return Status::told();
  }
  Status sent = canvas.finish();
  if (!sent) {
    message_box(state, message_kind::error, "The print job could not be completed.\n\n%s", sent.reason().c_str());
    return Status::told();
  }
  return Status::ok();
}

PrintSettings job_settings(const State& state) {
  PrintSettings settings;
  settings.document_name = state.app_title;
  settings.paper = load_desktop_settings(state.home_folder).paper;
  settings.offset_tenths_x = state.system.print_offset_x;
  settings.offset_sixths_y = state.system.print_offset_y;
  return settings;
}

}  // namespace quillon
