#include "shell/qt_ui.h"

#include <unistd.h>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>
#include <algorithm>
#include <iostream>

#include "core/desktop_settings.h"
#include "core/help_topics.h"
#include "core/messages.h"
#include "print_qt/print_jobs.h"
#include "shell/dialog_registry.h"
#include "shell/file_filter.h"
#include "shell/help_topics.h"
#include "shell/message_style.h"
#include "shell/print_cancel_window.h"
#include "shell/print_preview_window.h"
#include "shell/qt_text.h"
#include "shell/selection_dialog.h"
#include "shell/window_placement.h"

#include <QPrintDialog>
#include <QPrinter>
#include <memory>

namespace quillon::shell {

Button unattended_answer(int kind) {
  switch (kind) {
    case 3:
    case 4:
    case 6: return Button::no;
    case 5: return Button::cancel;
    default: return Button::ok;
  }
}

namespace {

// The desktop starts the browser without waiting for it, so a browser that
// refuses to run shows nothing although the start "succeeded". The browsers
// refuse to run for the root user on a display, so as root the browser counts
// as not available.
bool start_browser(const QUrl& url) {
  if (geteuid() == 0) return false;
  return QDesktopServices::openUrl(url);
}

}  // namespace

QtUi::QtUi() : open_in_browser(start_browser) {}
QtUi::~QtUi() = default;

QWidget* QtUi::owner() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return owner_;
}

Button QtUi::show_message(int kind, const std::string& title, const std::string& text) {
  return show_question(kind, title, text, Button::none);
}

Button QtUi::show_question(int kind, const std::string& title, const std::string& text, Button default_button) {
  // A message ends the step the progress window showed: it is not left
  // behind the message with its Cancel button.
  progress_.reset();
  auto box = build_question_box(kind, title, text, default_button, owner());
  if (!box) return Button::none;
  if (unattended) {
    std::cerr << qt_text(title).toStdString() << ": " << qt_text(text).toStdString() << "\n";
    return default_button == Button::none ? unattended_answer(kind) : default_button;
  }
  centre_over(*box, owner());
  return button_of(box->exec());
}

std::optional<int> QtUi::select_one(SelectionKind kind, const std::string& title, const std::vector<Choice>& choices) {
  if (unattended) return choices.empty() ? std::nullopt : std::optional<int>(choices.front().id);
  SelectionDialog dialog(kind, title, choices, false, owner());
  centre_over(dialog, owner());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  auto ids = dialog.chosen_ids();
  if (ids.empty()) return std::nullopt;
  return ids.front();
}

std::optional<std::vector<int>> QtUi::select_many(SelectionKind kind, const std::string& title,
                                                  const std::vector<Choice>& choices) {
  if (unattended) return std::vector<int>{};
  SelectionDialog dialog(kind, title, choices, true, owner());
  centre_over(dialog, owner());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.chosen_ids();
}

std::optional<std::string> QtUi::choose_file(FileDialogMode mode, const std::string& title, const std::string& filter,
                                             const std::string& suggested_name) {
  if (unattended) return std::nullopt;
  QFileDialog dialog(owner(), qt_text(title), QString::fromStdString(home_.string()), qt_file_filter(filter));
  dialog.setAcceptMode(mode == FileDialogMode::save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(mode == FileDialogMode::save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(default_suffix(filter));
  if (!suggested_name.empty()) dialog.selectFile(qt_text(suggested_name));
  centre_over(dialog, owner());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  // A path is no record text: it stays as the file system spells it.
  return dialog.selectedFiles().first().toStdString();
}

bool QtUi::run_dialog(DialogModel& model) {
  DialogContext context{owner(), [this](Help topic) { show_help_topic(topic); }, home_};
  auto dialog = create_dialog(model, context);
  if (unattended) {
    dialog->show();
    if (dialog_shown) dialog_shown(*dialog);
    dialog->reject();
    return false;
  }
  centre_over(*dialog, context.parent);
  return dialog->exec() == QDialog::Accepted;
}

void QtUi::open_page(const std::string& location) {
  QString where = qt_text(location);
  QUrl url = where.contains("://") ? QUrl(where) : QUrl::fromLocalFile(where);
  if (unattended) {
    std::cerr << "open " << url.toString().toStdString() << "\n";
    return;
  }
  const bool report_page = url.isLocalFile();
  if (report_page && load_desktop_settings(home_).report_window) {
    show_in_report_window(url.toLocalFile());
    return;
  }
  if (open_in_browser(url)) return;
  if (report_page) {
    show_in_report_window(url.toLocalFile());
    return;
  }
  show_message(message_kind::error, message_title("Quillon", message_kind::error),
               "No web browser could be started to open " + location + ".");
}

void QtUi::show_in_report_window(const QString& file) {
  if (!report_) {
    report_ = std::make_unique<ReportWindow>(home_, [this](const std::string& text) {
      show_message(message_kind::error, message_title("Quillon", message_kind::error), text);
    });
    place_beside(*report_, owner(), Beside::keeping_size);
  }
  report_->show_report(file);
}

HelpWindow& QtUi::help_window_for_now() {
  // A modal dialog blocks every window but its own children, so help asked for
  // from a dialog opens in a window of that dialog.
  if (QWidget* modal = QApplication::activeModalWidget()) {
    auto* window = new HelpWindow(modal);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return *window;
  }
  if (!help_) help_ = std::make_unique<HelpWindow>();
  return *help_;
}

void QtUi::show_help(const std::string& page, const std::string& anchor) {
  if (unattended) return;
  QWidget* asking = owner();
  help_window_for_now().show_page(page, anchor, asking);
}

void QtUi::bring_help_forward() {
  if (help_ && help_->isVisible()) {
    if (owner_) place_beside(*help_, owner_);
    help_->bring_forward();
  }
}

void QtUi::show_help_topic(Help topic) {
  HelpTopic t = help_topic(topic);
  show_help(t.page, t.anchor);
}

void QtUi::set_busy(bool busy) {
  if (busy) {
    if (busy_depth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busy_depth_ > 0) {
    if (--busy_depth_ == 0) QApplication::restoreOverrideCursor();
  }
}

bool QtUi::progress(const std::string& title, const std::string& status, int percent) {
  if (!progress_) {
    progress_ = std::make_unique<QProgressDialog>(owner());
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(0);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setMinimumWidth(420);
  }
  progress_->setWindowTitle(qt_text(title));
  progress_->setLabelText(qt_text(status));
  if (percent < 0) {
    progress_->setRange(0, 0);
  } else {
    progress_->setRange(0, 100);
    progress_->setValue(std::min(percent, 100));
  }
  if (!unattended) progress_->show();
  // The transfer runs on this thread: pumping here keeps the windows painted
  // and lets the Cancel button be clicked.
  QApplication::processEvents();
  return !progress_->wasCanceled();
}

void QtUi::progress_done() { progress_.reset(); }
PreviewAction QtUi::show_print_preview(const std::string& title, const Drawing& drawing, int sheet_lines) {
  PrintPreviewWindow window(
      title, drawing, sheet_lines, [this] { show_help_topic(Help::contents); }, owner());
  if (unattended) {
    window.show();
    window.reject();
    return PreviewAction::close;
  }
  window.exec();
  return window.action();
}

PrinterOpening QtUi::open_printer(const PrintSettings& settings) {
  PrinterOpening none;
  none.failure = PrintFailure::no_printer;
  if (unattended) return none;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog setup(printer.get(), owner());
  setup.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  if (setup.exec() != QDialog::Accepted) return none;
  PrinterOpening opening = print_qt::open_printer_job(std::move(printer), settings);
  if (auto* job = dynamic_cast<print_qt::QtJobCanvas*>(opening.canvas.get())) {
    auto window = std::make_shared<PrintCancelWindow>(owner_);
    job->cancel_check = [window] { return window->cancel_requested(); };
  }
  return opening;
}

}  // namespace quillon::shell
