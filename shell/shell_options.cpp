#include "shell/shell_options.h"

#include <QDir>
#include <string_view>

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
    } else if (a == "--help" || a == "-h") {
      options.usage = true;
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

bool asks_for_usage(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    std::string_view a = argv[i];
    if (a == "--help" || a == "-h") return true;
    // A value is no option.
    if (a == "--home" || a == "--screenshot" || a == "--screenshot-dialog") ++i;
  }
  return false;
}

bool display_available(const char* display, const char* wayland_display, const char* qpa_platform, int argc,
                       const char* const* argv) {
  auto named = [](const char* value) { return value && *value; };
  if (named(display) || named(wayland_display) || named(qpa_platform)) return true;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string_view(argv[i]) == "-platform") return true;
  return false;
}

QString default_home_folder(const QString& user_home, bool demo) {
  return QDir(user_home).filePath(demo ? "ql4-demo" : "ql4");
}

}  // namespace quillon::shell
