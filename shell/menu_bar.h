#pragma once
// The menu bar: every entry of the command table in its menu and submenu, each
// sending its command number.
#include <QMenuBar>
#include <functional>

namespace quillon::shell {

struct MenuHandlers {
  std::function<bool(int)> available;  // entries whose command is not built in are disabled
  std::function<void(int)> run;
};

void build_menu_bar(QMenuBar& bar, const MenuHandlers& handlers);
// The foursomes report entries that depend on the import source: with the
// Ravelin database (0) entry 1602 is removed, otherwise 1603 and 1604.
void show_import_entries(QMenuBar& bar, int import_source);
QAction* command_action(const QMenuBar& bar, int command);

}  // namespace quillon::shell
