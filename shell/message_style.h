#pragma once
// How each message-box kind looks: its buttons, default button and icon.
#include <QMessageBox>
#include <memory>
#include <string>

#include "core/ui.h"

namespace quillon::shell {

struct MessageStyle {
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton default_button = QMessageBox::NoButton;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// The style of kinds 0..6; nothing for any other kind (it shows nothing).
std::optional<MessageStyle> message_style(int kind);

// The box for a message, built but not shown; nothing for a kind that shows nothing.
std::unique_ptr<QMessageBox> build_message_box(int kind, const std::string& title, const std::string& text,
                                               QWidget* owner);

// The same box for a question whose Enter key presses `default_button`
// (none keeps the kind's own default).
std::unique_ptr<QMessageBox> build_question_box(int kind, const std::string& title, const std::string& text,
                                                Button default_button, QWidget* owner);

// The standard button for a logic button (NoButton for none).
QMessageBox::StandardButton standard_button_of(Button button);

// The button a message box returned, in the logic's terms.
Button button_of(int standard_button);

}  // namespace quillon::shell
