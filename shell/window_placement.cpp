#include "shell/window_placement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace quillon::shell {

namespace {

// A window beside another is never narrower than this while the screen has room.
constexpr int narrowest_beside = 360;
// The height of a dialog's bottom row of buttons, with its margins.
constexpr int buttons_row_height = 72;

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

// What the window manager adds around `window`. A window not yet shown has
// no frame yet; it gets one like its anchor's, which is taken instead so that
// the frame does not end up over the anchor or past the screen's edge.
QSize frame_extra(const QWidget& window, const QWidget& anchor) {
  const QSize own = window.frameGeometry().size() - window.geometry().size();
  if (!own.isNull()) return own;
  const QWidget& anchor_window = *anchor.window();
  return anchor_window.frameGeometry().size() - anchor_window.geometry().size();
}

}  // namespace

void centre_over(QWidget& window, const QWidget* anchor) {
  QSize size = intended_size(window);
  QRect area = available_area(anchor);
  QPoint centre = anchor ? anchor->window()->frameGeometry().center() : area.center();
  window.move(kept_inside(centre - QPoint(size.width() / 2, size.height() / 2), size, area));
}

QRect beside_geometry(QSize wanted, const QRect& anchor, const QRect& area) {
  const int right_room = area.right() - anchor.right();
  const int left_room = anchor.left() - area.left();
  const bool right_side = wanted.width() <= right_room || right_room >= left_room;
  const int room = right_side ? right_room : left_room;
  QSize size = wanted;
  if (size.width() > room) size.setWidth(std::max(room, std::min(wanted.width(), narrowest_beside)));
  const int x =
      right_side ? std::min(anchor.right() + 1, area.right() + 1 - size.width()) : anchor.left() - size.width();
  if (size.width() > room) {
    // It overlaps the anchor: it ends above the anchor's buttons.
    const int bottom = anchor.bottom() - buttons_row_height;
    size.setHeight(std::min(size.height(), bottom - area.top()));
    return QRect(kept_inside(QPoint(x, std::min(anchor.top(), bottom - size.height())), size, area), size);
  }
  return QRect(kept_inside(QPoint(x, anchor.top()), size, area), size);
}

void place_beside(QWidget& window, const QWidget* anchor, Beside how) {
  if (!anchor) {
    centre_over(window, nullptr);
    return;
  }
  if (how == Beside::keeping_size) {
    QSize size = intended_size(window);
    QRect area = available_area(anchor);
    QRect beside = anchor->window()->frameGeometry();
    QPoint corner(beside.right() + 1, beside.top());
    if (corner.x() + size.width() > area.right() + 1 && beside.left() - size.width() >= area.left())
      corner.setX(beside.left() - size.width());
    window.move(kept_inside(corner, size, area));
    return;
  }
  const QSize frame = frame_extra(window, *anchor);
  QRect placed =
      beside_geometry(intended_size(window) + frame, anchor->window()->frameGeometry(), available_area(anchor));
  // A window that cannot be made as small as that keeps its least size, still on screen.
  const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
  const QSize size = (placed.size() - frame).expandedTo(least);
  window.resize(size);
  window.move(kept_inside(placed.topLeft(), size + frame, available_area(anchor)));
}

}  // namespace quillon::shell
