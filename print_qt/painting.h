#pragma once
// Painting recorded drawing operations with Qt: the one place where page-grid
// cells become device positions and report fonts become installed faces.
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <vector>

#include "core/print_recording.h"

namespace quillon::print_qt {

struct DeviceMapping {
  double dpi_x = 72;
  double dpi_y = 72;
  QPointF origin;  // device position of the grid's corner, offsets included

  double x(double column) const;
  double y(double row) const;
};

// The grid's corner on a device: `origin` (the printable area or the paper's
// corner, in device pixels) plus the alignment offsets of the settings.
DeviceMapping device_mapping(double dpi_x, double dpi_y, QPointF origin, const PrintSettings& settings);

// The installed family for a report face: the face itself, an installed face
// whose name begins with it, its metric-compatible Liberation face, or the
// system's general font.
QString family_for(FontFace face);
// The font a report's size and attributes get on a device of `dpi_y`.
QFont font_for(FontFace face, int attributes, int point_size, double dpi_y);

// Paints the text and shapes among `ops` (page marks are skipped).
void paint_ops(QPainter& painter, const DeviceMapping& mapping, const std::vector<const DrawOp*>& ops);
void paint_ops(QPainter& painter, const DeviceMapping& mapping, const std::vector<DrawOp>& ops, int page);

}  // namespace quillon::print_qt
