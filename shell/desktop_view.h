#pragma once
// The main window's client area: background colour and image, the framed
// desktop message and the command buttons.
#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

#include "shell/command_button.h"

namespace quillon::shell {

class DesktopView : public QWidget {
  Q_OBJECT

 public:
  explicit DesktopView(std::function<void(int)> run, QWidget* parent = nullptr);

  void set_background(const QImage& image, bool stretch);
  // An empty text hides the panel.
  void set_message(const QString& text);
  QString message() const { return message_; }
  const std::vector<CommandButton*>& buttons() const { return buttons_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  void place_buttons();

  QImage background_;
  QImage scaled_;  // the background at its drawn size, remade on resize
  bool stretch_ = false;
  QString message_;
  std::vector<CommandButton*> buttons_;
};

}  // namespace quillon::shell
