#pragma once
// One of the main window's buttons, drawn from the program's own artwork with
// a normal, a focus (also while the mouse is over it) and a pressed look.
#include <QAbstractButton>

#include "shell/artwork.h"

namespace quillon::shell {

class CommandButton : public QAbstractButton {
  Q_OBJECT

 public:
  CommandButton(int command, const QString& caption, QWidget* parent);
  int command() const { return command_; }
  ButtonLook look() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;

 private:
  int command_;
  bool hovered_ = false;
};

}  // namespace quillon::shell
