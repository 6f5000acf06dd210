#pragma once
// The main window: menu bar, desktop with buttons, every command run from here.
#include <QMainWindow>
#include <QMenu>
#include <QPointer>

#include "core/state.h"
#include "core/window_rect.h"
#include "shell/desktop_view.h"
#include "shell/qt_ui.h"

namespace quillon::shell {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `run` runs a command of the logic; `available` tells which are built in.
  MainWindow(State& state, QtUi& ui, std::function<void(State&, int)> run, std::function<bool(int)> available);

  // The window at the rectangle stored in the system record, made fit.
  void restore_rect();
  WindowRect current_rect() const;
  // Title, background, desktop message and menu entries as the state has them.
  void refresh_from_state();
  void run(int command);
  // The Exit steps: save the window's rectangle and end the program.
  void exit_program();
  void bring_forward();

  DesktopView* desktop() const { return desktop_; }
  // The Print menu, which the Reports button opens.
  QMenu* reports_menu() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void save_and_close_database();
  void show_reports_menu();
  void show_board_window();
  QImage background_image() const;

  State& state_;
  QtUi& ui_;
  std::function<void(State&, int)> run_;
  DesktopView* desktop_;
  QPointer<QDialog> board_window_;  // Maintenance / Clubhouse Board, while open
  bool closed_ = false;
};

}  // namespace quillon::shell
