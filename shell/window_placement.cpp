#include "shell/window_placement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace quillon::shell {

namespace {

QSize intended_size(QWidget& window) {
  if (window.testAttribute(Qt::WA_Resized)) return window.size();
  window.adjustSize();
  return window.size();
}

QRect available_area(const QWidget* anchor) {
  QScreen* screen = anchor ? anchor->window()->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// The top-left corner moved so that a window of `size` lies inside `area`
// (its top-left corner stays visible when it is larger than the area).
QPoint kept_inside(QPoint corner, QSize size, const QRect& area) {
  int x = std::max(area.left(), std::min(corner.x(), area.right() + 1 - size.width()));
  int y = std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - size.height()));
  return {x, y};
}

}  // namespace

void centre_over(QWidget& window, const QWidget* anchor) {
  QSize size = intended_size(window);
  QRect area = available_area(anchor);
  QPoint centre = anchor ? anchor->window()->frameGeometry().center() : area.center();
  window.move(kept_inside(centre - QPoint(size.width() / 2, size.height() / 2), size, area));
}

void place_beside(QWidget& window, const QWidget* anchor) {
  if (!anchor) {
    centre_over(window, nullptr);
    return;
  }
  QSize size = intended_size(window);
  QRect area = available_area(anchor);
  QRect beside = anchor->window()->frameGeometry();
  QPoint corner(beside.right() + 1, beside.top());
  if (corner.x() + size.width() > area.right() + 1 && beside.left() - size.width() >= area.left())
    corner.setX(beside.left() - size.width());
  window.move(kept_inside(corner, size, area));
}

}  // namespace quillon::shell
