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

// The button a message box returned, in the logic's terms.
Button button_of(int standard_button);

}  // namespace quillon::shell
