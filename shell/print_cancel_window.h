#pragma once
// "Quillon Print Facility": the small window with a Cancel button shown while
// a print job is drawn. The owner window is disabled for as long as it lives.
#include <QDialog>
#include <QPointer>

namespace quillon::shell {

class PrintCancelWindow : public QDialog {
 public:
  explicit PrintCancelWindow(QWidget* owner);
  ~PrintCancelWindow() override;
  // Lets the window handle its events, then says whether Cancel was pressed.
  bool cancel_requested();

 private:
  QPointer<QWidget> owner_;
  bool cancelled_ = false;
};

}  // namespace quillon::shell
