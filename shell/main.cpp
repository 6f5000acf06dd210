// quillon: the desktop program.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QSplashScreen>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "app/application.h"
#include "app/demo.h"
#include "shell/artwork.h"
#include "shell/help_window.h"
#include "shell/launchers.h"
#include "shell/main_window.h"
#include "shell/qt_ui.h"
#include "shell/screenshot.h"
#include "shell/shell_options.h"
#include "shell/single_instance.h"

namespace {

using namespace quillon;
using namespace quillon::shell;

constexpr int another_instance_runs = 255;
constexpr int splash_ms = 500;

void show_splash() {
  QSplashScreen splash(splash_picture());
  splash.show();
  QEventLoop loop;
  QTimer::singleShot(splash_ms, &loop, &QEventLoop::quit);
  loop.exec();
  splash.close();
}

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
  QApplication app(argc, argv);
  QApplication::setApplicationName("Quillon");
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(program_icon())));

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
  if (!unattended) {
    LauncherPlaces places{QDir::homePath(), QApplication::applicationFilePath(), home};
    state.hooks.create_shortcuts = [places] { write_launchers(places); };
    show_splash();
  }

  int exit_code = 0;
  if (!start_application(state, options->words, exit_code)) return exit_code;

  MainWindow window(state, ui, dispatch_command, command_available);
  window.restore_rect();
  if (unattended) return take_screenshot(window, ui, options->screenshot, options->screenshot_dialog);

  QObject::connect(&instance, &SingleInstance::activation_requested, &window, &MainWindow::bring_forward);
  window.show();
  // The Getting Started page may have opened before the main window did.
  QTimer::singleShot(0, &window, [&ui] { ui.bring_help_forward(); });
  return QApplication::exec();
}
