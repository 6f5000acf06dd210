#pragma once
// Where things go on the main window's client area.
#include <QRect>
#include <vector>

namespace quillon::shell {

inline constexpr QSize command_button_size{125, 35};
// The top of the lowest row of buttons lies this far above the bottom edge.
inline constexpr int button_row_offset = 132;

// The background image stretched over the area, or scaled to the area's
// height keeping its proportions and centred.
QRect background_target(QSize image, QSize area, bool stretch);
// The buttons in rows along the bottom edge, as many to a row as fit, each
// row centred, the last row `button_row_offset` above the bottom.
std::vector<QRect> button_rects(QSize area, int count);
// The framed desktop-message panel along the bottom edge.
QRect message_panel_rect(QSize area);

}  // namespace quillon::shell
