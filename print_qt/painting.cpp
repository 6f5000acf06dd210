#include "print_qt/painting.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPen>
#include <cmath>

#include "core/cp1252.h"

namespace quillon::print_qt {

namespace {

constexpr double points_per_inch = 72.0;
constexpr double line_width_inches = 1.0 / 150;

QColor colour_of(Ink ink) {
  switch (ink) {
    case Ink::black: return Qt::black;
    case Ink::grey: return Qt::gray;
    case Ink::white: return Qt::white;
  }
  return Qt::black;
}

QRectF rect_of(const DeviceMapping& m, const DrawOp& op) {
  return QRectF(QPointF(m.x(op.column), m.y(op.row)), QPointF(m.x(op.column2), m.y(op.row2))).normalized();
}

void paint_one(QPainter& painter, const DeviceMapping& m, const DrawOp& op) {
  switch (op.kind) {
    case DrawKind::page_start:
    case DrawKind::page_end: return;
    case DrawKind::text: {
      QFont font = font_for(op.face, op.attributes, op.point_size, m.dpi_y);
      painter.setFont(font);
      QFontMetricsF metrics(font, painter.device());
      QString text = QString::fromStdString(utf8_from_cp1252(op.text));
      QPointF top_left(m.x(op.column), m.y(op.row));
      if (op.attributes & text_attribute::opaque)
        painter.fillRect(QRectF(top_left, QSizeF(metrics.horizontalAdvance(text), metrics.height())), Qt::white);
      painter.setPen(Qt::black);
      painter.drawText(QPointF(top_left.x(), top_left.y() + metrics.ascent()), text);
      return;
    }
    case DrawKind::line:
    case DrawKind::box: {
      QPen pen(colour_of(op.ink));
      pen.setWidthF(std::max(1.0, m.dpi_x * line_width_inches));
      painter.setPen(pen);
      painter.setBrush(Qt::NoBrush);
      if (op.kind == DrawKind::line)
        painter.drawLine(QPointF(m.x(op.column), m.y(op.row)), QPointF(m.x(op.column2), m.y(op.row2)));
      else painter.drawRect(rect_of(m, op));
      return;
    }
    case DrawKind::fill: painter.fillRect(rect_of(m, op), colour_of(op.ink)); return;
  }
}

}  // namespace

double DeviceMapping::x(double column) const {
  return origin.x() + print_grid::device_position(print_grid::grid_x(column), static_cast<int>(dpi_x));
}

double DeviceMapping::y(double row) const {
  return origin.y() + print_grid::device_position(print_grid::grid_y(row), static_cast<int>(dpi_y));
}

DeviceMapping device_mapping(double dpi_x, double dpi_y, QPointF origin, const PrintSettings& settings) {
  DeviceMapping m;
  m.dpi_x = dpi_x;
  m.dpi_y = dpi_y;
  m.origin = origin + QPointF(print_grid::offset_pixels_x(settings.offset_tenths_x, static_cast<int>(dpi_x)),
                              print_grid::offset_pixels_y(settings.offset_sixths_y, static_cast<int>(dpi_y)));
  return m;
}

QString family_for(FontFace face) {
  const QStringList installed = QFontDatabase::families();
  const QString wanted = QString::fromLatin1(font_face_name(face));
  if (installed.contains(wanted)) return wanted;
  if (face == FontFace::fixed)
    for (const QString& family : installed)
      if (family.startsWith(wanted)) return family;
  const QString compatible = face == FontFace::fixed ? "Liberation Mono" : "Liberation Sans";
  if (installed.contains(compatible)) return compatible;
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont font_for(FontFace face, int attributes, int point_size, double dpi_y) {
  static const QString fixed_family = family_for(FontFace::fixed);
  static const QString proportional_family = family_for(FontFace::proportional);
  QFont font(face == FontFace::fixed ? fixed_family : proportional_family);
  font.setPixelSize(
      std::max(1, static_cast<int>(std::lround(printed_point_size(point_size) * dpi_y / points_per_inch))));
  FontStyle style = font_style_of(attributes);
  font.setBold(style == FontStyle::bold || style == FontStyle::bold_italic);
  font.setItalic(style == FontStyle::italic || style == FontStyle::bold_italic);
  font.setStyleStrategy(QFont::PreferMatch);
  return font;
}

void paint_ops(QPainter& painter, const DeviceMapping& mapping, const std::vector<const DrawOp*>& ops) {
  for (const DrawOp* op : ops) paint_one(painter, mapping, *op);
}

void paint_ops(QPainter& painter, const DeviceMapping& mapping, const std::vector<DrawOp>& ops, int page) {
  for (const DrawOp& op : ops)
    if (op.page == page) paint_one(painter, mapping, op);
}

}  // namespace quillon::print_qt
