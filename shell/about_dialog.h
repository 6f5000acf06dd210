#pragma once
// The About dialog (command 1804).
class QWidget;

namespace quillon::shell {

void show_about_dialog(QWidget* parent);

}  // namespace quillon::shell
