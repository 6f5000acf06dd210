#pragma once
// The program's own pictures, drawn rather than stored: the default
// background (a fairway at dusk), the splash, the program icon and the main
// window's buttons.
#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace quillon::shell {

// The background colour of the main window (red 0x00, green 0x43, blue 0x88).
inline const QColor window_background{0x00, 0x43, 0x88};

QImage default_background(QSize size = {1200, 800});
QImage program_icon(int size = 128);
QPixmap splash_picture();

enum class ButtonLook { normal, focus, pressed, disabled };
void paint_command_button(QPainter& painter, const QRect& rect, const QString& caption, ButtonLook look);

}  // namespace quillon::shell
