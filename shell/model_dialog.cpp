#include "shell/model_dialog.h"

#include <QKeyEvent>

#include "shell/field_hints.h"
#include "shell/qt_text.h"

namespace quillon::shell {

ModelDialog::ModelDialog(DialogModel& model, HelpTopicFn show_help, QWidget* parent)
    : QDialog(parent), model_(model), show_help_(std::move(show_help)) {
  setWindowTitle(qt_text(model.title()));
}

void ModelDialog::accept() {
  if (model_.accept()) {
    QDialog::accept();
  } else {
    refresh();  // validation may have corrected or cleared fields
  }
}

void ModelDialog::reject() {
  model_.cancel();
  QDialog::reject();
}

void ModelDialog::show_help() {
  if (show_help_) show_help_(dialog_help(model_));
}

void ModelDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    show_help();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace quillon::shell
