#include "shell/splash_over_window.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "shell/artwork.h"

namespace quillon::shell {

SplashOverWindow::SplashOverWindow(QWidget& window, int milliseconds) : window_(window), splash_(splash_picture()) {
  QRect area = window_.frameGeometry();
  splash_.move(area.center() - splash_.rect().center());
  splash_.show();
  qApp->installEventFilter(this);
  QTimer::singleShot(milliseconds, this, [this] { finish(); });
}

bool SplashOverWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress: finish(); break;
    case QEvent::Show:
      // A question of the start-up must not be hidden under the splash.
      if (auto* widget = qobject_cast<QWidget*>(watched);
          widget && widget->isWindow() && widget != &window_ && widget != &splash_)
        finish();
      break;
    default: break;
  }
  return false;
}

void SplashOverWindow::finish() {
  if (!splash_.isVisible()) return;
  qApp->removeEventFilter(this);
  splash_.close();
}

}  // namespace quillon::shell
