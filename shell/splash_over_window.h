#pragma once
// The splash laid over the main window for a moment, while the window is
// already usable: it goes after its time, at the first click or key, or as
// soon as another window (a start-up question) appears.
#include <QObject>
#include <QSplashScreen>

namespace quillon::shell {

class SplashOverWindow : public QObject {
 public:
  SplashOverWindow(QWidget& window, int milliseconds);
  bool showing() const { return splash_.isVisible(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void finish();

  QWidget& window_;
  QSplashScreen splash_;
};

}  // namespace quillon::shell
