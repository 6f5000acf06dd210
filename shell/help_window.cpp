#include "shell/help_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/help_topics.h"
#include "shell/help_topics.h"
#include "shell/window_placement.h"

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
  connect(contents, &QPushButton::clicked, this, [this] { show_topic(Help::contents); });
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  back->setEnabled(false);
  forward->setEnabled(false);
  bar->addWidget(back);
  bar->addWidget(forward);
  bar->addWidget(contents);
  bar->addStretch();
  auto* close_button = new QPushButton("Close");
  close_button->setObjectName("close");
  connect(close_button, &QPushButton::clicked, this, &QWidget::close);
  bar->addWidget(close_button);
  for (QKeySequence keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, &QWidget::close);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(browser_);
}

void HelpWindow::show_page(const std::string& page, const std::string& anchor, const QWidget* asking) {
  browser_->setSource(help_url(page, anchor));
  if (!isVisible()) place_beside(*this, asking);
  show();
  bring_forward();
}

void HelpWindow::bring_forward() {
  raise();
  activateWindow();
}

void HelpWindow::show_topic(Help topic) {
  HelpTopic t = help_topic(topic);
  show_page(t.page, t.anchor);
}

}  // namespace quillon::shell
