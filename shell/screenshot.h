#pragma once
// Renders the main window, or the dialog a command opens, to a PNG file so
// that the look can be checked without a person at the screen.
#include <QString>

namespace quillon::shell {

class MainWindow;
class QtUi;

// The program's exit status: 0 when the picture was written.
int take_screenshot(MainWindow& window, QtUi& ui, const QString& file, int dialog_command);

}  // namespace quillon::shell
