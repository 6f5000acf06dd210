#pragma once
// The help viewer: the program's help pages in a browser with Back, Forward
// and Contents.
#include <QTextBrowser>
#include <QWidget>
#include <string>

namespace quillon::shell {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  void show_page(const std::string& page, const std::string& anchor);
  void show_topic(int topic);
  QUrl current_page() const { return browser_->source(); }
  QString current_html() const { return browser_->toHtml(); }

 private:
  QTextBrowser* browser_;
};

}  // namespace quillon::shell
