#pragma once
// The help viewer: the program's help pages in a browser with Back, Forward,
// Contents and Close (Esc and Ctrl+W close it too).
#include <QTextBrowser>
#include <QWidget>
#include <string>

#include "core/help_topics.h"

namespace quillon::shell {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the page; a window not yet on screen opens beside `asking` (the
  // window the user asked from) so that it covers none of its buttons.
  void show_page(const std::string& page, const std::string& anchor, const QWidget* asking = nullptr);
  void show_topic(Help topic);
  // Brings the window in front of the others and gives it the keyboard.
  void bring_forward();
  QUrl current_page() const { return browser_->source(); }
  QString current_html() const { return browser_->toHtml(); }

 private:
  QTextBrowser* browser_;
};

}  // namespace quillon::shell
