#include "shell/shell_options.h"

#include <QDir>

namespace quillon::shell {

std::optional<ShellOptions> parse_shell_options(const QStringList& arguments, QString& error) {
  ShellOptions options;
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    auto value = [&](QString& into) {
      if (i + 1 >= arguments.size()) {
        error = a + " needs a value";
        return false;
      }
      into = arguments[++i];
      return true;
    };
    if (a == "--home") {
      if (!value(options.home)) return std::nullopt;
    } else if (a == "--demo") {
      options.demo = true;
    } else if (a == "--screenshot") {
      if (!value(options.screenshot)) return std::nullopt;
    } else if (a == "--screenshot-dialog") {
      QString number;
      if (!value(number)) return std::nullopt;
      bool ok = false;
      options.screenshot_dialog = number.toInt(&ok);
      if (!ok || options.screenshot_dialog <= 0) {
        error = "--screenshot-dialog needs a command number, not " + number;
        return std::nullopt;
      }
    } else if (a == "--help-window") {
      options.help_window = true;
    } else if (a.startsWith("--")) {
      error = "unknown option " + a;
      return std::nullopt;
    } else {
      options.words.push_back(a.toStdString());
    }
  }
  if (options.screenshot_dialog && options.screenshot.isEmpty()) {
    error = "--screenshot-dialog needs --screenshot FILE";
    return std::nullopt;
  }
  return options;
}

QString default_home_folder(const QString& user_home, bool demo) {
  return QDir(user_home).filePath(demo ? "ql4-demo" : "ql4");
}

}  // namespace quillon::shell
