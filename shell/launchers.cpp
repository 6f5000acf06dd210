#include "shell/launchers.h"

#include <QDir>
#include <QFile>

#include "core/atomic_file.h"
#include "shell/artwork.h"

namespace quillon::shell {

namespace {

bool write_text(const QString& path, const QString& text, bool executable) {
  const QByteArray bytes = text.toUtf8();
  return write_file_atomically(path.toStdString(),
                               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                               executable ? 0755 : 0644)
      .is_ok();
}

// A value of type string as the desktop entry format writes it: a backslash
// and the line-breaking characters are escaped, so a value (a folder with a
// newline in its name) can never start a line of its own.
QString desktop_value(const QString& value) {
  QString out;
  for (QChar c : value) {
    if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else out += c;
  }
  return out;
}

QString entry(const QString& name, const QString& comment, const QString& exec, const QString& folder,
              const QString& icon) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=" +
         desktop_value(name) +
         "\n"
         "Comment=" +
         desktop_value(comment) +
         "\n"
         "Exec=" +
         desktop_value(exec) +
         "\n"
         "Path=" +
         desktop_value(folder) +
         "\n"
         "Icon=" +
         desktop_value(icon) +
         "\n"
         "Terminal=false\n"
         "Categories=Office;\n";
}

}  // namespace

QString exec_argument(const QString& argument) {
  QString quoted;
  for (QChar c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted.replace("%", "%%");
  return '"' + quoted + '"';
}

QString program_launcher_text(const LauncherPlaces& places, const QString& icon) {
  QString exec = exec_argument(places.executable) + " --home " + exec_argument(places.quillon_home);
  return entry("Quillon", "Quillon", exec, places.quillon_home, icon);
}

QString help_launcher_text(const LauncherPlaces& places, const QString& icon) {
  QString exec = exec_argument(places.executable) + " --help-window";
  return entry("Quillon Help", "Quillon Help", exec, places.quillon_home, icon);
}

QStringList write_launchers(const LauncherPlaces& places) {
  QStringList written;
  QDir home(places.user_home);
  const QString icons = home.filePath(".local/share/icons");
  const QString applications = home.filePath(".local/share/applications");
  QDir().mkpath(icons);
  QDir().mkpath(applications);

  const QString icon = icons + "/quillon.png";
  if (program_icon(128).save(icon, "PNG")) written << icon;
  const QString program = program_launcher_text(places, icon);
  if (write_text(applications + "/quillon.desktop", program, false)) written << applications + "/quillon.desktop";
  if (write_text(applications + "/quillon-help.desktop", help_launcher_text(places, icon), false))
    written << applications + "/quillon-help.desktop";
  const QString desktop = home.filePath("Desktop");
  if (QDir(desktop).exists() && write_text(desktop + "/quillon.desktop", program, true))
    written << desktop + "/quillon.desktop";
  return written;
}

}  // namespace quillon::shell
