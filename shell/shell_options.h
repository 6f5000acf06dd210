#pragma once
// The desktop program's command line.
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace quillon::shell {

struct ShellOptions {
  QString home;                    // empty: the default folder
  bool demo = false;               // the default folder is ~/ql4-demo instead of ~/ql4
  QString screenshot;              // render to this PNG and end
  int screenshot_dialog = 0;       // the command whose dialog is rendered instead
  bool help_window = false;        // show only the help window
  std::vector<std::string> words;  // start-up words ("FUP", "RECALC", ...)
};

inline constexpr const char* shell_usage =
    "usage: quillon [--home DIR | --demo] [--screenshot FILE [--screenshot-dialog COMMAND]]\n"
    "               [--help-window] [FUP] [RECALC]\n";

// `arguments` without the program's name; nothing (with `error`) when they make no sense.
std::optional<ShellOptions> parse_shell_options(const QStringList& arguments, QString& error);
QString default_home_folder(const QString& user_home, bool demo);

}  // namespace quillon::shell
