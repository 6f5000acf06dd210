#include "shell/menu_bar.h"

#include <QKeySequence>
#include <QMenu>
#include <map>

#include "core/command_table.h"
#include "shell/qt_text.h"

namespace quillon::shell {

namespace {

// The usual keys of the entries that have one; the menus show them.
QKeySequence menu_shortcut(int command) {
  switch (command) {
    case 1101: return QKeySequence::Quit;  // Exit
    case 1801: return QKeySequence::HelpContents;  // Contents
    default: return {};
  }
}

}  // namespace

void build_menu_bar(QMenuBar& bar, const MenuHandlers& handlers) {
  std::map<std::string, QMenu*> menus;
  std::map<std::pair<std::string, std::string>, QMenu*> submenus;
  for (const CommandInfo& c : command_table()) {
    if (c.menu.empty() || c.text.empty()) continue;
    QMenu*& menu = menus[c.menu];
    if (!menu) menu = bar.addMenu(qt_text(c.menu));
    QMenu* target = menu;
    if (!c.submenu.empty()) {
      QMenu*& sub = submenus[{c.menu, c.submenu}];
      if (!sub) sub = menu->addMenu(qt_text(c.submenu));
      target = sub;
    }
    QAction* action = target->addAction(qt_text(c.text));
    action->setData(c.number);
    action->setShortcut(menu_shortcut(c.number));
    action->setEnabled(!handlers.available || handlers.available(c.number));
    const int number = c.number;
    auto run = handlers.run;
    QObject::connect(action, &QAction::triggered, &bar, [run, number] {
      if (run) run(number);
    });
  }
}

void show_import_entries(QMenuBar& bar, int import_source) {
  const bool ravelin = import_source == 0;
  if (QAction* a = command_action(bar, 1602)) a->setVisible(!ravelin);
  if (QAction* a = command_action(bar, 1603)) a->setVisible(ravelin);
  if (QAction* a = command_action(bar, 1604)) a->setVisible(ravelin);
}

QAction* command_action(const QMenuBar& bar, int command) {
  for (QAction* a : bar.findChildren<QAction*>())
    if (a->data().isValid() && a->data().toInt() == command) return a;
  return nullptr;
}

}  // namespace quillon::shell
