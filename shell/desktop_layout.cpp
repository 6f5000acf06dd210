#include "shell/desktop_layout.h"

#include <algorithm>

namespace quillon::shell {

namespace {
constexpr int margin = 8;
constexpr int gap = 6;
constexpr int panel_height = 78;
}  // namespace

QRect background_target(QSize image, QSize area, bool stretch) {
  if (stretch || image.isEmpty()) return QRect(QPoint(0, 0), area);
  int width = static_cast<int>(static_cast<long long>(image.width()) * area.height() / image.height());
  return QRect((area.width() - width) / 2, 0, width, area.height());
}

std::vector<QRect> button_rects(QSize area, int count) {
  const int w = command_button_size.width();
  const int h = command_button_size.height();
  const int per_row = std::max(1, (area.width() - 2 * margin + gap) / (w + gap));
  const int rows = (count + per_row - 1) / per_row;
  std::vector<QRect> out;
  for (int i = 0; i < count; ++i) {
    int row = i / per_row;
    int in_row = std::min(per_row, count - row * per_row);
    int row_width = in_row * w + (in_row - 1) * gap;
    int left = (area.width() - row_width) / 2 + (i % per_row) * (w + gap);
    int top = area.height() - button_row_offset - (rows - 1 - row) * (h + gap);
    out.emplace_back(left, top, w, h);
  }
  return out;
}

QRect message_panel_rect(QSize area) {
  return QRect(margin, area.height() - margin - panel_height, area.width() - 2 * margin, panel_height);
}

}  // namespace quillon::shell
