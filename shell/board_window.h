#pragma once
// Maintenance / Clubhouse Board: starts and stops the board on this
// computer's network, shows its address and QR code, the tournament on show,
// the groups' PINs (a new one for a group on request, the printed list) and
// the requests as they come.
#include <QDialog>
#include <memory>

#include "core/state.h"
#include "exchange/board/board_server.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace quillon::shell {

class BoardWindow : public QDialog {
 public:
  BoardWindow(State& state, QWidget* parent);
  ~BoardWindow() override;

  bool serving() const { return server_ != nullptr; }
  // The address people open while serving, "" otherwise.
  QString address() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void start();
  void stop();
  void start_or_stop();
  void show_pins();
  void issue_pin();
  void print_pins();
  void show_state();
  int chosen_tournament() const;
  void log(const QString& line);

  State& state_;
  QLineEdit* address_;
  QSpinBox* port_;
  QComboBox* tournament_;
  QPushButton* start_stop_;
  QLabel* status_;
  QLabel* code_;
  QTableWidget* pins_;
  QPlainTextEdit* log_;
  std::unique_ptr<board::BoardServer> server_;
};

}  // namespace quillon::shell
