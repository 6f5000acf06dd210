#pragma once
// The seam between the logic and whatever front end shows it: the Qt desktop
// program, the command-line driver or a test script. Texts crossing it are in
// the records' single-byte encoding (Windows-1252); front ends convert.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/print_canvas.h"

namespace quillon {

class DialogModel;

// The buttons a message box can return, with their customary numbers.
enum class Button { none = 0, ok = 1, cancel = 2, yes = 6, no = 7 };

// What a selection list chooses, so that a script can answer it by kind.
enum class SelectionKind { tournament, course, golfer, division, other };

struct Choice {
  int id = 0;  // the slot, group or option number behind the line
  std::string text;  // the line shown
  bool preselected = false;  // the line the list starts on (the one last used)
};

enum class FileDialogMode { open, save };

struct Drawing;

// How a print preview was closed: OK, or "OK/PRINT".
enum class PreviewAction { close, print };

// Why a print job could not be opened.
enum class PrintFailure { none, no_printer, abort_procedure, start_document, cancel_window };

struct PrinterOpening {
  std::unique_ptr<PrintCanvas> canvas;  // set when the job is open
  PrintFailure failure = PrintFailure::none;
  std::string detail;  // what the front end knows of the failure
};

class Ui {
 public:
  virtual ~Ui() = default;

  // Shows a message box of the given kind (0..6) with its title and text and
  // returns the button pressed.
  virtual Button show_message(int kind, const std::string& title, const std::string& text) = 0;
  // The same for a question (kinds 3..6) whose Enter key presses `default_button`
  // instead of the box's first button: No or Cancel on questions that destroy data.
  virtual Button show_question(int kind, const std::string& title, const std::string& text, Button default_button) {
    (void)default_button;
    return show_message(kind, title, text);
  }

  // One line of a list; returns the chosen line's id, or nothing on Cancel.
  virtual std::optional<int> select_one(SelectionKind kind, const std::string& title,
                                        const std::vector<Choice>& choices) = 0;
  // Several lines of a list; returns the chosen ids in list order, or nothing on Cancel.
  virtual std::optional<std::vector<int>> select_many(SelectionKind kind, const std::string& title,
                                                      const std::vector<Choice>& choices) = 0;

  // A file dialog; `filter` is the "Description|*.ext|" form. Returns the path or nothing.
  virtual std::optional<std::string> choose_file(FileDialogMode mode, const std::string& title,
                                                 const std::string& filter, const std::string& suggested_name) = 0;

  // Runs a modal dialog on its model. Returns true when the dialog closed with OK
  // (the model accepted), false when it was cancelled.
  virtual bool run_dialog(DialogModel& model) = 0;

  // Opens a page (a file path or an address) in the user's browser.
  virtual void open_page(const std::string& location) = 0;

  // Shows a help page ("qlwin4_<page>.htm") at an anchor (may be empty).
  virtual void show_help(const std::string& page, const std::string& anchor) = 0;

  // Shows or clears the busy cursor.
  virtual void set_busy(bool busy) = 0;

  // Shows how a long transfer is going: a status line and a percentage (-1
  // when the size is not known yet) under the title, and lets the front end
  // repaint and take a click on Cancel. Returns false once the user asked to
  // cancel. progress_done() takes the indicator away.
  virtual bool progress(const std::string& /*title*/, const std::string& /*status*/, int /*percent*/) { return true; }
  virtual void progress_done() {}
  // The print preview window: `drawing` is one continuous sheet at least
  // `sheet_lines` rows long.
  virtual PreviewAction show_print_preview(const std::string& title, const Drawing& drawing, int sheet_lines) = 0;
  // Chooses the printer (where the front end asks) and opens a job on it.
  virtual PrinterOpening open_printer(const PrintSettings& settings) = 0;
};

}  // namespace quillon
