#include "shell/screenshot.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <iostream>

#include "shell/main_window.h"

namespace quillon::shell {

namespace {

void settle(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

int take_screenshot(MainWindow& window, QtUi& ui, const QString& file, int dialog_command) {
  window.show();
  settle(200);
  if (dialog_command == 0) {
    if (window.grab().save(file, "PNG")) return 0;
    std::cerr << "quillon: cannot write " << file.toStdString() << "\n";
    return 1;
  }
  bool saved = false;
  bool shown = false;
  ui.dialog_shown = [&](ModelDialog& dialog) {
    shown = true;
    dialog.adjustSize();
    settle(200);
    saved = dialog.grab().save(file, "PNG");
  };
  window.run(dialog_command);
  ui.dialog_shown = nullptr;
  if (!shown) {
    std::cerr << "quillon: command " << dialog_command << " opened no dialog\n";
    return 1;
  }
  if (!saved) std::cerr << "quillon: cannot write " << file.toStdString() << "\n";
  return saved ? 0 : 1;
}

}  // namespace quillon::shell
