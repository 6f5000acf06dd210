#include "shell/print_cancel_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon::shell {

PrintCancelWindow::PrintCancelWindow(QWidget* owner) : QDialog(nullptr), owner_(owner) {
  setWindowTitle("Quillon Print Facility");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Printing ...", this));
  auto* cancel = new QPushButton("Cancel", this);
  layout->addWidget(cancel, 0, Qt::AlignHCenter);
  connect(cancel, &QPushButton::clicked, this, [this] { cancelled_ = true; });
  if (owner_) owner_->setEnabled(false);
  show();
}

PrintCancelWindow::~PrintCancelWindow() {
  if (owner_) owner_->setEnabled(true);
}

bool PrintCancelWindow::cancel_requested() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  return cancelled_;
}

}  // namespace quillon::shell
