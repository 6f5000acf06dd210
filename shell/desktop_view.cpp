#include "shell/desktop_view.h"

#include <QPainter>

#include "core/command_table.h"
#include "shell/artwork.h"
#include "shell/desktop_layout.h"
#include "shell/field_hints.h"
#include "shell/qt_text.h"

namespace quillon::shell {

DesktopView::DesktopView(std::function<void(int)> run, QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(false);
  for (const ButtonInfo& info : main_window_buttons()) {
    auto* button = new CommandButton(info.command, qt_text(info.caption), this);
    button->setToolTip(QString::fromStdString(field_hint("main_window", std::to_string(info.command))));
    const int command = info.command;
    connect(button, &CommandButton::clicked, this, [run, command] { run(command); });
    buttons_.push_back(button);
  }
  place_buttons();
}

void DesktopView::set_background(const QImage& image, bool stretch) {
  background_ = image;
  stretch_ = stretch;
  scaled_ = QImage();
  update();
}

void DesktopView::set_message(const QString& text) {
  message_ = text;
  update();
}

void DesktopView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), window_background);
  if (!background_.isNull()) {
    QRect target = background_target(background_.size(), size(), stretch_);
    if (scaled_.size() != target.size())
      scaled_ = background_.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.drawImage(target.topLeft(), scaled_);
  }
  if (message_.isEmpty()) return;
  QRect panel = message_panel_rect(size());
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0xe8, 0xe4, 0xd8), 2));
  p.setBrush(QColor(0xfb, 0xf8, 0xee, 235));
  p.drawRoundedRect(panel, 6, 6);
  p.setPen(QColor(0x1a, 0x2a, 0x3a));
  p.setFont(QFont("Arial", 11));
  p.drawText(panel.adjusted(10, 4, -10, -4), Qt::AlignCenter | Qt::TextWordWrap, message_);
}

void DesktopView::resizeEvent(QResizeEvent*) { place_buttons(); }

void DesktopView::place_buttons() {
  auto rects = button_rects(size(), static_cast<int>(buttons_.size()));
  for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->setGeometry(rects[i]);
}

}  // namespace quillon::shell
