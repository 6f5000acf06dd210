#include "shell/board_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/cp1252.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "core/help_topics.h"
#include "exchange/board/board_cards.h"
#include "exchange/board/board_data.h"
#include "exchange/board/board_pins.h"
#include "exchange/board/board_settings.h"
#include "exchange/board/qr_code.h"
#include "report/report_page.h"
#include "shell/field_hints.h"
#include "shell/qt_text.h"
#include "tournament/multi_round.h"

namespace quillon::shell {

namespace {

constexpr int log_lines_kept = 500;

QPixmap qr_picture(const std::string& text, int pixels) {
  auto code = board::qr_matrix(text);
  if (!code) return {};
  const int across = code->size + 8;
  QImage image(across, across, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int y = 0; y < code->size; ++y)
    for (int x = 0; x < code->size; ++x)
      if (code->at(x, y)) image.setPixel(x + 4, y + 4, qRgb(0, 0, 0));
  return QPixmap::fromImage(image.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::FastTransformation));
}

}  // namespace

BoardWindow::BoardWindow(State& state, QWidget* parent)
    : QDialog(parent),
      state_(state),
      address_(new QLineEdit),
      port_(new QSpinBox),
      tournament_(new QComboBox),
      start_stop_(new QPushButton("Start")),
      status_(new QLabel),
      code_(new QLabel),
      pins_(new QTableWidget(0, 3)),
      log_(new QPlainTextEdit) {
  setWindowTitle("Clubhouse Board");
  setObjectName("board_window");
  auto settings = board::load_board_settings(state_.home_folder);
  board::BoardSettings remembered = settings ? *settings : board::BoardSettings{};
  address_->setObjectName("address");
  address_->setText(QString::fromStdString(remembered.address.empty() ? board::lan_address() : remembered.address));
  port_->setObjectName("port");
  port_->setRange(1, 65535);
  port_->setValue(remembered.port);
  tournament_->setObjectName("tournament");
  for (int t = 1; t <= state_.tournament_count; ++t) {
    TournamentHeader h = peek_header(state_, t);
    if (tournament_slot_free(h)) continue;
    tournament_->addItem(QString("%1  %2").arg(t, 3, 10, QChar('0')).arg(qt_text(field_text(h.name))), t);
    if (t == remembered.tournament) tournament_->setCurrentIndex(tournament_->count() - 1);
  }
  start_stop_->setObjectName("start_stop");
  status_->setObjectName("status");
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  code_->setObjectName("code");
  code_->setFixedSize(180, 180);
  pins_->setObjectName("pins");
  pins_->setHorizontalHeaderLabels({"Group", "Golfers", "PIN"});
  pins_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  pins_->verticalHeader()->hide();
  pins_->setSelectionBehavior(QAbstractItemView::SelectRows);
  pins_->setSelectionMode(QAbstractItemView::SingleSelection);
  pins_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  log_->setObjectName("log");
  log_->setReadOnly(true);
  log_->setMaximumBlockCount(log_lines_kept);

  auto* form = new QFormLayout;
  form->addRow("Address", address_);
  form->addRow("Port", port_);
  form->addRow("Tournament on show", tournament_);
  auto* left = new QVBoxLayout;
  left->addLayout(form);
  left->addWidget(start_stop_);
  left->addWidget(status_);
  auto* top = new QHBoxLayout;
  top->addLayout(left, 1);
  top->addWidget(code_);
  auto* new_pin = new QPushButton("New PIN");
  new_pin->setObjectName("new_pin");
  auto* print = new QPushButton("Board PINs");
  print->setObjectName("board_pins");
  auto* help = new QPushButton("Help");
  auto* close = new QPushButton("Close");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(new_pin);
  buttons->addWidget(print);
  buttons->addStretch();
  buttons->addWidget(help);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(pins_, 2);
  layout->addLayout(buttons);
  layout->addWidget(log_, 1);
  resize(640, 620);

  connect(start_stop_, &QPushButton::clicked, this, [this] { start_or_stop(); });
  connect(new_pin, &QPushButton::clicked, this, [this] { issue_pin(); });
  connect(print, &QPushButton::clicked, this, [this] { print_pins(); });
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  connect(help, &QPushButton::clicked, this, [this] { show_help(state_, Help::clubhouse_board); });
  for (QWidget* widget : findChildren<QWidget*>())
    if (std::string hint = field_hint("board_window", widget->objectName().toStdString()); !hint.empty())
      widget->setToolTip(QString::fromStdString(hint));
  connect(tournament_, &QComboBox::currentIndexChanged, this, [this] { show_pins(); });
  show_pins();
  show_state();
}

BoardWindow::~BoardWindow() { stop(); }

void BoardWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    show_help(state_, Help::clubhouse_board);
    return;
  }
  QDialog::keyPressEvent(event);
}

QString BoardWindow::address() const { return server_ ? QString::fromStdString(server_->address()) : QString(); }

int BoardWindow::chosen_tournament() const { return tournament_->currentData().toInt(); }

void BoardWindow::start_or_stop() {
  if (server_) stop();
  else start();
}

void BoardWindow::start() {
  board::BoardSettings settings{address_->text().trimmed().toStdString(), port_->value(), chosen_tournament()};
  if (settings.tournament < 1) {
    QMessageBox::warning(this, "Clubhouse Board", "Choose the tournament to show first.");
    return;
  }
  board::ServerOptions options;
  options.home = state_.home_folder;
  options.address = settings.address;
  options.port = settings.port;
  options.tournament = settings.tournament;
  QPointer<BoardWindow> window(this);
  options.log = [window](const std::string& line) {
    QMetaObject::invokeMethod(
        window,
        [window, text = QString::fromStdString(line)] {
          if (window) window->log(text);
        },
        Qt::QueuedConnection);
  };
  auto server = board::BoardServer::create(options);
  if (!server) {
    QMessageBox::warning(this, "Clubhouse Board", QString::fromStdString(server.status().reason()));
    return;
  }
  server_ = std::move(*server);
  server_->start();
  if (Status saved = board::save_board_settings(state_.home_folder, settings); !saved)
    log(QString::fromStdString("The board's settings could not be remembered: " + saved.reason()));
  log("The board is on at " + address());
  show_pins();
  show_state();
}

void BoardWindow::stop() {
  if (!server_) return;
  server_->stop();
  server_.reset();
  log("The board is off");
  show_state();
}

void BoardWindow::show_state() {
  const bool on = server_ != nullptr;
  start_stop_->setText(on ? "Stop" : "Start");
  address_->setEnabled(!on);
  port_->setEnabled(!on);
  tournament_->setEnabled(!on);
  status_->setText(on ? "Open " + address() + " on a phone on this network" : "The board is off");
  code_->setPixmap(on ? qr_picture(server_->address(), code_->width()) : QPixmap());
}

void BoardWindow::show_pins() {
  pins_->setRowCount(0);
  const int t = chosen_tournament();
  if (t < 1) return;
  auto pins = board::group_pins(state_, t);
  if (!pins) {
    log(QString::fromStdString(pins.status().reason()));
    return;
  }
  for (const board::GroupPin& p : *pins) {
    const int row = pins_->rowCount();
    pins_->insertRow(row);
    QStringList names;
    for (const std::string& n : p.names) names << qt_text(n);
    pins_->setItem(row, 0, new QTableWidgetItem(QString("%1").arg(p.group, 3, 10, QChar('0'))));
    pins_->setItem(row, 1, new QTableWidgetItem(names.join(", ")));
    pins_->setItem(row, 2, new QTableWidgetItem(QString::fromStdString(p.pin)));
  }
}

void BoardWindow::issue_pin() {
  const int row = pins_->currentRow();
  if (row < 0) {
    QMessageBox::information(this, "Clubhouse Board", "Choose the group that needs a new PIN.");
    return;
  }
  const int group = pins_->item(row, 0)->text().toInt();
  const int t = chosen_tournament();
  const int day = board::entry_day(state_, t);
  auto pin = board::issue_new_pin(state_.home_folder, day, group);
  if (!pin) {
    QMessageBox::warning(this, "Clubhouse Board", QString::fromStdString(pin.status().reason()));
    return;
  }
  pins_->item(row, 2)->setText(QString::fromStdString(*pin));
  log(QString("Group %1 has a new PIN").arg(group));
}

void BoardWindow::print_pins() {
  const int t = chosen_tournament();
  if (t < 1) return;
  Status shown = run_report(state_, [t](State& s) { return board::board_pins_report(s, t); });
  if (shown.needs_telling()) QMessageBox::warning(this, "Clubhouse Board", qt_text(shown.reason()));
}

void BoardWindow::log(const QString& line) { log_->appendPlainText(line); }

}  // namespace quillon::shell
