#include "shell/notepad_dialog.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/desktop_settings.h"
#include "shell/dialog_registry.h"

namespace quillon::shell {

namespace {

[[maybe_unused]] const bool registered =
    register_dialog("tournament_notepad", [](DialogModel& model, const DialogContext& context) {
      return std::make_unique<NotepadDialog>(model, context.show_help, context.home, context.parent);
    });

constexpr int columns = 80;
constexpr int lines = 38;

}  // namespace

NotepadDialog::NotepadDialog(DialogModel& model, HelpTopicFn show_help, std::filesystem::path home, QWidget* parent)
    : FormDialog(model, std::move(show_help), parent), home_(std::move(home)) {
  auto* layout = new QVBoxLayout(this);
  QWidget* notes = fields().make("notes");
  if (auto* text = qobject_cast<QPlainTextEdit*>(notes)) text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  layout->addWidget(notes, 1);
  layout->addWidget(make_buttons());
  DesktopSettings settings = load_desktop_settings(home_);
  if (settings.notepad_width > 0 && settings.notepad_height > 0)
    resize(settings.notepad_width, settings.notepad_height);
  else resize(first_size());
  start();
}

QSize NotepadDialog::first_size() const {
  QFontMetrics metrics(font());
  return {metrics.horizontalAdvance(QString(columns, 'n')) + 60, metrics.lineSpacing() * lines + 80};
}

void NotepadDialog::done(int result) {
  DesktopSettings settings = load_desktop_settings(home_);
  if (!home_.empty() && (settings.notepad_width != width() || settings.notepad_height != height())) {
    settings.notepad_width = width();
    settings.notepad_height = height();
    if (Status saved = save_desktop_settings(home_, settings); !saved)
      QMessageBox::warning(this, "Quillon - Warning", QString::fromStdString(saved.reason()));
  }
  FormDialog::done(result);
}

}  // namespace quillon::shell
