#pragma once
// A front end without a window: it records every message and answers
// questions, selections, file and date choices and dialogs from scripted
// queues. Used by the command-line driver and by tests. A question with no
// scripted answer stops the command with UnansweredQuestion: nothing is
// ever answered by a silent default.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/dates.h"
#include "core/print_recording.h"
#include "core/ui.h"

namespace quillon {

class UnansweredQuestion : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A scripted answer that does not fit what was asked (an unknown field, a
// choice that is not offered).
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct RecordedMessage {
  int kind = 0;
  std::string title;
  std::string text;
  // The button Enter would press: none for the box's first button.
  Button default_button = Button::none;
};

struct DialogScript {
  // field, value; "!name" presses a button; ">from" with value "to" drags a line
  std::vector<std::pair<std::string, std::string>> sets;
  bool cancel = false;
  bool list_fields = false;
};

struct RecordedPreview {
  std::string title;
  Drawing drawing;
  int sheet_lines = 0;
};

struct RecordedPrintJob {
  PrintSettings settings;
  Drawing drawing;
  bool finished = false;  // sent to the printer
  bool abandoned = false;  // cancelled: nothing sent
};

class ScriptedUi : public Ui {
 public:
  Button show_message(int kind, const std::string& title, const std::string& text) override;
  // Recorded with its default button; answered from the queue like any question
  // (a script that gives no answer stops, it never takes the default silently).
  Button show_question(int kind, const std::string& title, const std::string& text, Button default_button) override;
  std::optional<int> select_one(SelectionKind kind, const std::string& title,
                                const std::vector<Choice>& choices) override;
  std::optional<std::vector<int>> select_many(SelectionKind kind, const std::string& title,
                                              const std::vector<Choice>& choices) override;
  std::optional<std::string> choose_file(FileDialogMode mode, const std::string& title, const std::string& filter,
                                         const std::string& suggested_name) override;
  bool run_dialog(DialogModel& model) override;
  void open_page(const std::string& location) override;
  void show_help(const std::string& page, const std::string& anchor) override;
  void set_busy(bool busy) override;
  bool progress(const std::string& title, const std::string& status, int percent) override;
  void progress_done() override {}
  // The preview takes the next answer: yes presses "OK/PRINT"; ok, no and
  // cancel press OK.
  PreviewAction show_print_preview(const std::string& title, const Drawing& drawing, int sheet_lines) override;
  // A recording printer; see printer_available and cancel_after_pages.
  PrinterOpening open_printer(const PrintSettings& settings) override;

  // Scripting.
  void answer(Button b) { answers.push_back(b); }
  void select(SelectionKind kind, std::string id_or_text) { selections[kind] = std::move(id_or_text); }
  void dialog(DialogScript script) { dialogs.push_back(std::move(script)); }

  std::deque<Button> answers;
  // Used by every selection of that kind; an empty text presses Cancel.
  std::map<SelectionKind, std::string> selections;
  std::deque<std::string> files;  // an empty text cancels the file dialog
  std::deque<Date> dates;
  std::deque<DialogScript> dialogs;

  // What happened.
  std::vector<RecordedMessage> messages;
  std::vector<std::string> opened_pages;
  std::vector<std::pair<std::string, std::string>> help_shown;
  int busy_depth = 0;
  std::vector<RecordedPreview> previews;
  std::vector<RecordedPrintJob> print_jobs;
  bool printer_available = true;
  PrintFailure printer_failure = PrintFailure::no_printer;  // why an unavailable printer failed
  int cancel_after_pages = 0;  // above 0: the user presses Cancel once this many pages were started
  int refused_dialogs = 0;  // dialogs whose OK was refused by their validation
  // Progress lines as "status|percent", each distinct line once in order.
  std::vector<std::string> progress_lines;
  // Strict scripts (the command-line driver): a typed value that the dialog's
  // typing rules refuse (an error shown, the value put back, a character the
  // field does not take, a text longer than the field) ends the dialog with
  // Cancel, as does a refused OK or a refused dialog opened by a button, so
  // that nothing of a refused script is stored. The reasons are kept here.
  bool strict = false;
  bool listed_fields = false;  // a script of the dialogs now open listed a dialog's fields
  std::vector<std::string> refusals;
  bool error_shown() const;
  std::size_t error_count() const;
  const RecordedMessage* last_message() const { return messages.empty() ? nullptr : &messages.back(); }
  std::vector<std::string> message_texts() const;

  // Optional observers (the command-line driver prints as things happen).
  std::function<void(const RecordedMessage&)> on_message;
  std::function<void(const DialogModel&)> on_list_fields;
  // Answers each progress report; returning false presses Cancel.
  std::function<bool(const std::string& status, int percent)> on_progress;

 private:
  Button record_and_answer(RecordedMessage m);
  int dialog_depth_ = 0;  // scripted dialogs open one inside another
};

}  // namespace quillon
