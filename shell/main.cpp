// quillon: the desktop program.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "app/application.h"
#include "app/demo.h"
#include "shell/application_setup.h"
#include "shell/help_window.h"
#include "shell/launchers.h"
#include "shell/main_window.h"
#include "shell/qt_ui.h"
#include "shell/screenshot.h"
#include "shell/shell_options.h"
#include "shell/single_instance.h"
#include "shell/splash_over_window.h"

namespace {

using namespace quillon;
using namespace quillon::shell;

constexpr int another_instance_runs = 255;
constexpr int splash_ms = 500;

}  // namespace

int main(int argc, char** argv) {
  prepare_process();
  // Both are settled before Qt starts: without a display Qt would abort.
  if (asks_for_usage(argc, argv)) {
    std::cout << shell_usage;
    return 0;
  }
  if (!display_available(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"), std::getenv("QT_QPA_PLATFORM"), argc,
                         argv)) {
    std::cerr << "quillon: no display is available (DISPLAY is not set); use quillon-cli without a window\n";
    return 1;
  }
  std::unique_ptr<QApplication> app = make_application(argc, argv);

  QString error;
  auto options = parse_shell_options(QApplication::arguments().mid(1), error);
  if (!options) {
    std::cerr << "quillon: " << error.toStdString() << "\n\n" << shell_usage;
    return 2;
  }

  if (options->usage) {
    std::cout << shell_usage;
    return 0;
  }
  if (options->help_window) {
    HelpWindow help;
    help.show_topic(Help::contents);
    return QApplication::exec();
  }

  const bool unattended = !options->screenshot.isEmpty();
  SingleInstance instance;
  if (!unattended && !instance.claim()) return another_instance_runs;

  QString home = options->home.isEmpty() ? default_home_folder(QDir::homePath(), options->demo) : options->home;
  if (!QDir().mkpath(home)) {
    std::cerr << "quillon: the home folder " << home.toStdString() << " cannot be created\n";
    return 1;
  }
  home = QDir(home).absolutePath();
  QDir::setCurrent(home);

  QtUi ui;
  ui.unattended = unattended;
  ui.set_home_folder(home.toStdString());
  SystemClock clock;
  if (options->demo && options->home.isEmpty() && !prepare_demo_home(home.toStdString(), clock))
    std::cerr << "quillon: the demonstration club could not be set up completely\n";
  State state(ui, clock, home.toStdString());
  state.hooks.show_getting_started = true;
  int exit_code = 0;
  if (unattended) {
    if (!start_application(state, options->words, exit_code)) return exit_code;
    MainWindow window(state, ui, dispatch_command, command_available);
    window.restore_rect();
    return take_screenshot(window, ui, options->screenshot, options->screenshot_dialog);
  }
  LauncherPlaces places{QDir::homePath(), QApplication::applicationFilePath(), home};
  state.hooks.create_shortcuts = [places] { write_launchers(places); };

  // The window is on the screen at once, the splash over it; the start-up
  // (and its questions on a first start) runs as soon as the window shows.
  MainWindow window(state, ui, dispatch_command, command_available);
  window.restore_rect();
  QObject::connect(&instance, &SingleInstance::activation_requested, &window, &MainWindow::bring_forward);
  window.show();
  SplashOverWindow splash(window, splash_ms);
  QTimer::singleShot(0, &window, [&] {
    if (!start_application(state, options->words, exit_code)) {
      QApplication::exit(exit_code);
      return;
    }
    window.refresh_from_state();
    window.restore_rect();
    // The Getting Started page may have opened behind the main window.
    ui.bring_help_forward();
  });
  int status = QApplication::exec();
  return exit_code != 0 ? exit_code : status;
}
