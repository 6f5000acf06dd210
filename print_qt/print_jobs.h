#pragma once
// Print jobs on Qt devices: a PDF file or a system printer (a CUPS queue on
// Linux). The report is drawn first; only a complete job reaches the device,
// so a cancelled job leaves nothing behind.
#include <functional>
#include <memory>
#include <string>

#include "core/print_recording.h"
#include "core/ui.h"

class QPrinter;

namespace quillon::print_qt {

class QtJobCanvas : public RecordingCanvas {
 public:
  // Asked at each check of the drawing code; the desktop's cancel window pumps
  // its events here.
  std::function<bool()> cancel_check;
  bool cancel_requested() override { return cancel_check && cancel_check(); }
  void abandon() override { RecordingCanvas::abandon(); }
};

// A job writing a PDF file: the file is replaced through an AtomicFile when
// the job is finished.
PrinterOpening open_pdf_job(const std::string& path, const PrintSettings& settings);
// A job for a printer set up by the caller (a print set-up dialog), or for a
// system printer by name; an empty name is the default printer.
PrinterOpening open_printer_job(std::unique_ptr<QPrinter> printer, const PrintSettings& settings);
PrinterOpening open_named_printer_job(const std::string& name, const PrintSettings& settings);

// The system's default printer, "" when there is none.
std::string default_printer_name();

// Programs without a window (quillon-cli) need a GUI application object for
// fonts and printers; this makes one, on the offscreen platform unless
// another is asked for.
void ensure_gui_application();

}  // namespace quillon::print_qt
