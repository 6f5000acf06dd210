#include "shell/message_style.h"

#include "shell/qt_text.h"

namespace quillon::shell {

std::optional<MessageStyle> message_style(int kind) {
  using B = QMessageBox;
  switch (kind) {
    case 0: return MessageStyle{B::Ok, B::Ok, B::NoIcon};
    case 1: return MessageStyle{B::Ok, B::Ok, B::Warning};  // the exclamation icon
    case 2: return MessageStyle{B::Ok, B::Ok, B::NoIcon};
    case 3: return MessageStyle{B::Yes | B::No, B::Yes, B::NoIcon};
    case 4: return MessageStyle{B::Yes | B::No, B::Yes, B::NoIcon};
    case 5: return MessageStyle{B::Ok | B::Cancel, B::Ok, B::NoIcon};
    case 6: return MessageStyle{B::Yes | B::No | B::Cancel, B::Yes, B::NoIcon};
    default: return std::nullopt;
  }
}

std::unique_ptr<QMessageBox> build_message_box(int kind, const std::string& title, const std::string& text,
                                               QWidget* owner) {
  auto style = message_style(kind);
  if (!style) return nullptr;
  auto box = std::make_unique<QMessageBox>(style->icon, qt_text(title), qt_text(text), style->buttons, owner);
  box->setDefaultButton(style->default_button);
  box->setTextFormat(Qt::PlainText);
  return box;
}

std::unique_ptr<QMessageBox> build_question_box(int kind, const std::string& title, const std::string& text,
                                                Button default_button, QWidget* owner) {
  auto box = build_message_box(kind, title, text, owner);
  QMessageBox::StandardButton chosen = standard_button_of(default_button);
  if (box && chosen != QMessageBox::NoButton && box->button(chosen)) box->setDefaultButton(chosen);
  return box;
}

QMessageBox::StandardButton standard_button_of(Button button) {
  switch (button) {
    case Button::ok: return QMessageBox::Ok;
    case Button::cancel: return QMessageBox::Cancel;
    case Button::yes: return QMessageBox::Yes;
    case Button::no: return QMessageBox::No;
    case Button::none: break;
  }
  return QMessageBox::NoButton;
}

Button button_of(int standard_button) {
  switch (standard_button) {
    case QMessageBox::Ok: return Button::ok;
    case QMessageBox::Cancel: return Button::cancel;
    case QMessageBox::Yes: return Button::yes;
    case QMessageBox::No: return Button::no;
    default: return Button::none;
  }
}

}  // namespace quillon::shell
