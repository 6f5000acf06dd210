#pragma once
// Desktop launchers: the program and its help in the applications menu, and
// the program on the desktop when the user has a Desktop folder.
#include <QString>
#include <QStringList>

namespace quillon::shell {

struct LauncherPlaces {
  QString user_home;  // the user's home folder ($HOME)
  QString executable;  // the program
  QString quillon_home;  // the folder holding the database
};

// Quotes one argument of an Exec line as the desktop entry format asks (the
// whole Exec value is then escaped as every string value is).
QString exec_argument(const QString& argument);
QString program_launcher_text(const LauncherPlaces& places, const QString& icon);
QString help_launcher_text(const LauncherPlaces& places, const QString& icon);
// Writes the icon and the launchers; returns the files written.
QStringList write_launchers(const LauncherPlaces& places);

}  // namespace quillon::shell
