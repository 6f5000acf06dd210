#include "shell/help_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/help_topics.h"
#include "shell/help_topics.h"

namespace quillon::shell {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser) {
  setWindowTitle("Quillon Help");
  resize(720, 560);
  browser_->setOpenExternalLinks(true);

  auto* bar = new QHBoxLayout;
  auto* back = new QPushButton("Back");
  auto* forward = new QPushButton("Forward");
  auto* contents = new QPushButton("Contents");
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(contents, &QPushButton::clicked, this, [this] { show_topic(0); });
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  back->setEnabled(false);
  forward->setEnabled(false);
  bar->addWidget(back);
  bar->addWidget(forward);
  bar->addWidget(contents);
  bar->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(browser_);
}

void HelpWindow::show_page(const std::string& page, const std::string& anchor) {
  browser_->setSource(help_url(page, anchor));
  show();
  raise();
  activateWindow();
}

void HelpWindow::show_topic(int topic) {
  HelpTopic t = help_topic(topic);
  show_page(t.page, t.anchor);
}

}  // namespace quillon::shell
