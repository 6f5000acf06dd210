#include "shell/main_window.h"

#include <QCursor>
#include <QMenu>
#include <QMenuBar>

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QMenuBar>
#include <exception>

#include "core/fixed_text.h"
#include "core/messages.h"
#include "shell/about_dialog.h"
#include "shell/artwork.h"
#include "shell/board_window.h"
#include "shell/menu_bar.h"
#include "shell/qt_text.h"

namespace quillon::shell {

namespace {
constexpr int exit_command = 1101;
constexpr int about_command = 1804;
constexpr int reports_command = 983;  // the Reports button opens the Print menu
constexpr int board_command = 1709;  // a window of the desktop program
}  // namespace

MainWindow::MainWindow(State& state, QtUi& ui, std::function<void(State&, int)> run, std::function<bool(int)> available)
    : state_(state), ui_(ui), run_(std::move(run)), desktop_(new DesktopView([this](int c) { this->run(c); })) {
  setCentralWidget(desktop_);
  auto shell_available = [available](int command) {
    return command == exit_command || command == about_command || command == reports_command ||
           command == board_command || (available && available(command));
  };
  build_menu_bar(*menuBar(), MenuHandlers{shell_available, [this](int c) { this->run(c); }});
  // Like the menu entries, a button whose command is not built is shown disabled.
  for (CommandButton* button : desktop_->buttons()) button->setEnabled(shell_available(button->command()));
  ui_.set_owner(this);
  refresh_from_state();
}

void MainWindow::restore_rect() {
  WindowRect r = clamp_window_rect(stored_window_rect(state_));
  resize(r.right - r.left, r.bottom - r.top);
  move(r.left, r.top);
}

WindowRect MainWindow::current_rect() const {
  QPoint at = pos();
  return WindowRect{at.x(), at.y(), at.x() + width(), at.y() + height()};
}

QImage MainWindow::background_image() const {
  for (const char* name : {"qlwin4.bmp", "qlwin4.jpg"}) {
    QString path = QString::fromStdString(state_.file(name).string());
    if (!QFileInfo::exists(path)) continue;
    QImage image = QImageReader(path).read();
    if (!image.isNull()) return image;
  }
  return default_background();
}

void MainWindow::refresh_from_state() {
  setWindowTitle(qt_text(state_.window_title));
  const bool stretch = state_.system.flags & system_flag::stretch_background;
  desktop_->set_background(background_image(), stretch);
  const bool hidden = state_.system.flags & system_flag::no_desktop_message;
  desktop_->set_message(hidden ? QString() : qt_text(field_text(state_.desktop_message.text)).trimmed());
  show_import_entries(*menuBar(), state_.import_settings.import_source);
}

void MainWindow::run(int command) {
  if (command == exit_command) {
    exit_program();
    return;
  }
  if (command == about_command) {
    show_about_dialog(this);
    return;
  }
  if (command == reports_command) {
    show_reports_menu();
    return;
  }
  if (command == board_command) {
    show_board_window();
    return;
  }
  try {
    if (run_) run_(state_, command);
  } catch (const std::exception& e) {
    message_box(state_, message_kind::error, "The command could not be completed: %s", e.what());
  }
  if (state_.exit_requested) {
    exit_program();
    return;
  }
  refresh_from_state();
}

void MainWindow::show_board_window() {
  if (!board_window_) {
    auto* window = new BoardWindow(state_, this);
    window->setAttribute(Qt::WA_DeleteOnClose);  // closing the window turns the board off
    board_window_ = window;
  }
  board_window_->show();
  board_window_->raise();
  board_window_->activateWindow();
}

QMenu* MainWindow::reports_menu() const {
  for (QAction* action : menuBar()->actions())
    if (action->menu() && action->text() == "&Print") return action->menu();
  return nullptr;
}

void MainWindow::show_reports_menu() {
  QMenu* menu = reports_menu();
  if (!menu) return;
  QPoint at = QCursor::pos();
  for (CommandButton* button : desktop_->buttons())
    if (button->command() == reports_command) at = button->mapToGlobal(QPoint(0, button->height()));
  menu->popup(at);
}

void MainWindow::save_and_close_database() {
  if (closed_) return;
  closed_ = true;
  if (state_.db.is_open()) {
    // A failed write has been shown to the user; the database closes all the same.
    Status saved = save_window_rect(state_, current_rect());
    state_.db.close();
  }
}

void MainWindow::exit_program() {
  save_and_close_database();
  close();
  QApplication::quit();
}

void MainWindow::bring_forward() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  save_and_close_database();
  event->accept();
  QApplication::quit();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    ui_.show_help_topic(Help::contents);
    return;
  }
  QMainWindow::keyPressEvent(event);
}

}  // namespace quillon::shell
