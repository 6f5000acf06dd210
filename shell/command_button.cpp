#include "shell/command_button.h"

#include "shell/desktop_layout.h"

namespace quillon::shell {

CommandButton::CommandButton(int command, const QString& caption, QWidget* parent)
    : QAbstractButton(parent), command_(command) {
  setText(caption);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  resize(command_button_size);
}

ButtonLook CommandButton::look() const {
  if (!isEnabled()) return ButtonLook::disabled;
  if (isDown()) return ButtonLook::pressed;
  if (hasFocus() || hovered_) return ButtonLook::focus;
  return ButtonLook::normal;
}

QSize CommandButton::sizeHint() const { return command_button_size; }

void CommandButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  paint_command_button(p, rect(), text(), look());
}

void CommandButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void CommandButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

}  // namespace quillon::shell
