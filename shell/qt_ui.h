#pragma once
// The desktop's Ui: message boxes, selection lists, file dialogs, model
// dialogs, the browser, the help window and the busy cursor.
#include <QPointer>
#include <QProgressDialog>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/ui.h"
#include "shell/help_window.h"
#include "shell/model_dialog.h"
#include "shell/report_window.h"

namespace quillon::shell {

class QtUi : public Ui {
 public:
  QtUi();
  ~QtUi() override;

  // The window that owns message boxes and dialogs when no other is active.
  void set_owner(QWidget* owner) { owner_ = owner; }
  // Where file dialogs start.
  void set_home_folder(std::filesystem::path home) { home_ = std::move(home); }

  // Unattended runs (screenshots) show nothing modally: messages go to the
  // error stream and take their box's safe answer (No, Cancel), selections
  // take the first line, and each dialog is handed to `dialog_shown` and then
  // cancelled.
  bool unattended = false;
  std::function<void(ModelDialog&)> dialog_shown;
  // Starts the user's web browser on an address; false when none could be started.
  std::function<bool(const QUrl&)> open_in_browser;

  Button show_message(int kind, const std::string& title, const std::string& text) override;
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
  void progress_done() override;
  PreviewAction show_print_preview(const std::string& title, const Drawing& drawing, int sheet_lines) override;
  // The print set-up dialog, then a job on the chosen printer with the cancel window.
  PrinterOpening open_printer(const PrintSettings& settings) override;

  void show_help_topic(Help topic);
  // Puts an open help window in front (the Getting Started page opens before
  // the main window is shown).
  void bring_help_forward();
  // The report window, once a report has been shown in it.
  ReportWindow* report_window() const { return report_.get(); }

 private:
  QWidget* owner() const;
  HelpWindow& help_window_for_now();
  void show_in_report_window(const QString& file);

  QPointer<QWidget> owner_;
  std::filesystem::path home_;
  std::unique_ptr<HelpWindow> help_;
  std::unique_ptr<ReportWindow> report_;
  int busy_depth_ = 0;
  std::unique_ptr<QProgressDialog> progress_;
};

// The answer an unattended run gives to a box of the kind.
Button unattended_answer(int kind);

}  // namespace quillon::shell
