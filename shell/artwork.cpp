#include "shell/artwork.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "core/records/system_record.h"

namespace quillon::shell {

namespace {

void paint_sky(QPainter& p, const QRectF& r) {
  QLinearGradient sky(r.topLeft(), r.bottomLeft());
  sky.setColorAt(0.0, QColor(0x1d, 0x4e, 0x89));
  sky.setColorAt(0.55, QColor(0x8c, 0xb8, 0xd9));
  sky.setColorAt(1.0, QColor(0xf3, 0xd9, 0xa4));
  p.fillRect(r, sky);
  QRadialGradient sun(QPointF(r.left() + r.width() * 0.72, r.top() + r.height() * 0.5), r.height() * 0.22);
  sun.setColorAt(0.0, QColor(255, 244, 214, 230));
  sun.setColorAt(1.0, QColor(255, 244, 214, 0));
  p.fillRect(r, sun);
}

QPainterPath hill(const QRectF& r, double base, double peak, double phase) {
  QPainterPath path(QPointF(r.left(), r.bottom()));
  path.lineTo(r.left(), r.top() + r.height() * base);
  path.cubicTo(QPointF(r.left() + r.width() * (0.25 + phase), r.top() + r.height() * peak),
               QPointF(r.left() + r.width() * (0.6 + phase), r.top() + r.height() * (base + 0.06)),
               QPointF(r.right(), r.top() + r.height() * (base - 0.04)));
  path.lineTo(r.right(), r.bottom());
  path.closeSubpath();
  return path;
}

void paint_tree(QPainter& p, QPointF foot, double height) {
  p.setBrush(QColor(0x3b, 0x2a, 0x1a));
  p.drawRect(QRectF(foot.x() - height * 0.04, foot.y() - height * 0.3, height * 0.08, height * 0.3));
  p.setBrush(QColor(0x1f, 0x4d, 0x2b));
  p.drawEllipse(QRectF(foot.x() - height * 0.28, foot.y() - height, height * 0.56, height * 0.8));
}

void paint_flag(QPainter& p, QPointF hole, double height) {
  p.setPen(QPen(QColor(0xf4, 0xf4, 0xf0), height * 0.035));
  p.drawLine(hole, QPointF(hole.x(), hole.y() - height));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xd8, 0x2c, 0x2c));
  QPolygonF flag;
  flag << QPointF(hole.x(), hole.y() - height) << QPointF(hole.x() + height * 0.45, hole.y() - height * 0.87)
       << QPointF(hole.x(), hole.y() - height * 0.74);
  p.drawPolygon(flag);
  p.setBrush(QColor(0x10, 0x20, 0x10));
  p.drawEllipse(hole, height * 0.06, height * 0.025);
}

void paint_fairway(QPainter& p, const QRectF& r) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  paint_sky(p, r);
  p.setBrush(QColor(0x4d, 0x7a, 0x4f));
  p.drawPath(hill(r, 0.55, 0.42, 0.0));
  for (double x : {0.08, 0.16, 0.86, 0.93})
    paint_tree(p, QPointF(r.left() + r.width() * x, r.top() + r.height() * 0.6), r.height() * 0.22);
  p.setBrush(QColor(0x5f, 0x9b, 0x4c));
  p.drawPath(hill(r, 0.66, 0.58, 0.1));
  // The fairway winding towards the green.
  QPainterPath fairway(QPointF(r.left() + r.width() * 0.3, r.bottom()));
  fairway.cubicTo(QPointF(r.left() + r.width() * 0.42, r.top() + r.height() * 0.8),
                  QPointF(r.left() + r.width() * 0.5, r.top() + r.height() * 0.7),
                  QPointF(r.left() + r.width() * 0.62, r.top() + r.height() * 0.66));
  fairway.lineTo(r.left() + r.width() * 0.7, r.top() + r.height() * 0.665);
  fairway.cubicTo(QPointF(r.left() + r.width() * 0.64, r.top() + r.height() * 0.75),
                  QPointF(r.left() + r.width() * 0.7, r.top() + r.height() * 0.86),
                  QPointF(r.left() + r.width() * 0.78, r.bottom()));
  fairway.closeSubpath();
  p.setBrush(QColor(0x86, 0xc0, 0x5d));
  p.drawPath(fairway);
  p.setBrush(QColor(0x9c, 0xd4, 0x6c));
  QRectF green(r.left() + r.width() * 0.58, r.top() + r.height() * 0.635, r.width() * 0.14, r.height() * 0.05);
  p.drawEllipse(green);
  p.setBrush(QColor(0xe8, 0xdc, 0xb0));
  p.drawEllipse(QRectF(r.left() + r.width() * 0.52, r.top() + r.height() * 0.7, r.width() * 0.06, r.height() * 0.025));
  paint_flag(p, QPointF(green.center().x() + green.width() * 0.1, green.center().y()), r.height() * 0.12);
}

}  // namespace

QImage default_background(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  paint_fairway(p, QRectF(QPointF(0, 0), size));
  return image;
}

QImage program_icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(window_background);
  p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
  p.setBrush(QColor(0x86, 0xc0, 0x5d));
  p.drawEllipse(QRectF(size * 0.15, size * 0.68, size * 0.7, size * 0.2));
  paint_flag(p, QPointF(size * 0.42, size * 0.78), size * 0.62);
  return image;
}

QPixmap splash_picture() {
  QImage image = default_background(QSize(480, 300));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(QRect(0, 200, 480, 100), QColor(0, 0x43, 0x88, 200));
  QFont title("Arial", 26, QFont::Bold);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 205, 480, 50), Qt::AlignCenter, "Quillon");
  QFont small("Arial", 10);
  p.setFont(small);
  p.drawText(QRect(0, 250, 480, 40), Qt::AlignCenter,
             QString("Golf tournament management  -  version %1%2").arg(program_version).arg(program_version_letter));
  return QPixmap::fromImage(image);
}

void paint_command_button(QPainter& p, const QRect& rect, const QString& caption, ButtonLook look) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QRectF r = QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5);
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  QColor border;
  QColor text = Qt::white;
  switch (look) {
    case ButtonLook::normal:
      fill.setColorAt(0, QColor(0x3d, 0x8b, 0x4a));
      fill.setColorAt(1, QColor(0x1f, 0x5a, 0x2c));
      border = QColor(0xcf, 0xe8, 0xd2);
      break;
    case ButtonLook::focus:
      fill.setColorAt(0, QColor(0x5c, 0xb0, 0x65));
      fill.setColorAt(1, QColor(0x2c, 0x75, 0x39));
      border = QColor(0xf5, 0xc8, 0x42);
      break;
    case ButtonLook::pressed:
      fill.setColorAt(0, QColor(0x1f, 0x5a, 0x2c));
      fill.setColorAt(1, QColor(0x3d, 0x8b, 0x4a));
      border = QColor(0xf5, 0xc8, 0x42);
      break;
    case ButtonLook::disabled:
      fill.setColorAt(0, QColor(0x7a, 0x86, 0x7c));
      fill.setColorAt(1, QColor(0x5a, 0x64, 0x5c));
      border = QColor(0xa0, 0xa8, 0xa2);
      text = QColor(0xd0, 0xd4, 0xd0);
      break;
  }
  p.setBrush(fill);
  p.setPen(QPen(border, look == ButtonLook::normal || look == ButtonLook::disabled ? 1.5 : 3.0));
  p.drawRoundedRect(r, 8, 8);
  QFont font("Arial", 10, QFont::Bold);
  p.setFont(font);
  p.setPen(text);
  p.drawText(rect.translated(look == ButtonLook::pressed ? QPoint(1, 1) : QPoint()), Qt::AlignCenter, caption);
  p.restore();
}

}  // namespace quillon::shell
