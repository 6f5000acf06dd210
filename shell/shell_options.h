#pragma once
// The desktop program's command line.
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace quillon::shell {

struct ShellOptions {
  QString home;  // empty: the default folder
  bool demo = false;  // the default folder is ~/ql4-demo instead of ~/ql4
  QString screenshot;  // render to this PNG and end
  int screenshot_dialog = 0;  // the command whose dialog is rendered instead
  bool help_window = false;  // show only the help window
  bool usage = false;  // --help: print the usage and end
  std::vector<std::string> words;  // start-up words ("FUP", "RECALC", ...)
};

inline constexpr const char* shell_usage =
    "usage: quillon [--home DIR | --demo] [--screenshot FILE [--screenshot-dialog COMMAND]]\n"
    "               [--help-window] [--help] [FUP] [RECALC]\n"
    "\n"
    "  --home DIR            the home folder holding qlwin4.dat (default ~/ql4)\n"
    "  --demo                open the demonstration club in ~/ql4-demo\n"
    "  --screenshot FILE     draw the main window into a PNG file and end\n"
    "  --screenshot-dialog N draw the dialog of command N instead\n"
    "  --help-window         show only the help window\n"
    "  --help                show this text\n"
    "  FUP, RECALC           start-up words\n"
    "\n"
    "Without a display, use quillon-cli.\n";

// Whether the arguments ask for the usage (looked at before Qt starts).
bool asks_for_usage(int argc, const char* const* argv);

// Whether Qt can open a window: an X or Wayland display is named, or a platform
// plugin is chosen (by QT_QPA_PLATFORM or a -platform argument). Each value may be null.
bool display_available(const char* display, const char* wayland_display, const char* qpa_platform, int argc,
                       const char* const* argv);

// `arguments` without the program's name; nothing (with `error`) when they make no sense.
std::optional<ShellOptions> parse_shell_options(const QStringList& arguments, QString& error);
QString default_home_folder(const QString& user_home, bool demo);

}  // namespace quillon::shell
