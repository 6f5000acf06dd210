#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest/QTest>

#include <cstring>

#include "app/demo.h"
#include "core/database.h"
#include "exchange/board/board_pins.h"
#include "exchange/board/board_settings.h"
#include "shell/board_window.h"
#include "shell/field_hints.h"
#include "tests/exchange/board/board_client.h"
#include "tests/testing/test_home.h"

namespace quillon::shell {
namespace {

TEST(BoardWindow, StartsAndStopsTheBoardAndIssuesNewPins) {
  testing::TestHome home;
  ASSERT_TRUE(prepare_demo_home(home.path(), home.clock));
  State& state = home.started();
  BoardWindow window(state, nullptr);
  window.show();
  auto* start_stop = window.findChild<QPushButton*>("start_stop");
  auto* tournament = window.findChild<QComboBox*>("tournament");
  auto* pins = window.findChild<QTableWidget*>("pins");
  ASSERT_TRUE(start_stop && tournament && pins);
  const int port = testing::free_loopback_port();
  window.findChild<QLineEdit*>("address")->setText("127.0.0.1");
  window.findChild<QSpinBox*>("port")->setValue(port);
  tournament->setCurrentIndex(tournament->findData(2));
  ASSERT_EQ(tournament->currentText(), "002  Spring Stableford");

  start_stop->click();
  ASSERT_TRUE(window.serving());
  EXPECT_EQ(window.address(), QString("http://127.0.0.1:%1/").arg(port));
  EXPECT_EQ(start_stop->text(), "Stop");
  EXPECT_FALSE(window.findChild<QLabel*>("code")->pixmap().isNull());
  testing::HttpReply board = testing::http_request(port, "GET", "/api/board.json");
  EXPECT_EQ(board.status, 200);
  EXPECT_NE(board.body.find("\"name\":\"Spring Stableford\""), std::string::npos);

  // The settings are remembered for the next start and for the cards.
  auto settings = board::load_board_settings(home.path());
  ASSERT_TRUE(settings);
  EXPECT_EQ(settings->address, "127.0.0.1");
  EXPECT_EQ(settings->port, port);
  EXPECT_EQ(settings->tournament, 2);

  ASSERT_EQ(pins->rowCount(), 5);
  auto book = board::PinBook::load(home.path());
  ASSERT_TRUE(book);
  for (int row = 0; row < 5; ++row) EXPECT_EQ(pins->item(row, 2)->text().toStdString(), book->pin(2, row + 1));
  const std::string old_pin = book->pin(2, 3);
  pins->selectRow(2);
  window.findChild<QPushButton*>("new_pin")->click();
  book = board::PinBook::load(home.path());
  ASSERT_TRUE(book);
  EXPECT_NE(book->pin(2, 3), old_pin);
  EXPECT_EQ(pins->item(2, 2)->text().toStdString(), book->pin(2, 3));

  start_stop->click();
  EXPECT_FALSE(window.serving());
  EXPECT_EQ(start_stop->text(), "Start");
  EXPECT_EQ(testing::http_request(port, "GET", "/api/board.json").status, 0) << "nothing listens once stopped";
}

// The window shares the program's state: listing and renewing PINs reads the
// tournament as values and leaves the buffers the other windows work on alone.
TEST(BoardWindow, LeavesTheProgramsRecordBuffersAlone) {
  testing::TestHome home;
  ASSERT_TRUE(prepare_demo_home(home.path(), home.clock));
  State& state = home.started();
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  ASSERT_TRUE(read_record(state, RecordKind::group, 2));
  const TournamentHeader header = state.header;
  const GroupBuffer group = state.group;
  const int current = state.current_tournament;

  BoardWindow window(state, nullptr);
  auto* tournament = window.findChild<QComboBox*>("tournament");
  auto* pins = window.findChild<QTableWidget*>("pins");
  ASSERT_TRUE(tournament && pins);
  tournament->setCurrentIndex(tournament->findData(2));
  ASSERT_EQ(pins->rowCount(), 5);
  pins->selectRow(1);
  window.findChild<QPushButton*>("new_pin")->click();

  EXPECT_EQ(std::memcmp(&state.header, &header, sizeof header), 0);
  EXPECT_EQ(std::memcmp(&state.group, &group, sizeof group), 0);
  EXPECT_EQ(state.current_tournament, current);
}

TEST(BoardWindow, ExplainsItselfWithTooltipsAndItsHelpPage) {
  testing::TestHome home;
  ASSERT_TRUE(prepare_demo_home(home.path(), home.clock));
  State& state = home.started();
  BoardWindow window(state, nullptr);
  window.show();
  for (const char* name :
       {"address", "port", "tournament", "start_stop", "code", "pins", "new_pin", "board_pins", "log"}) {
    QWidget* widget = window.findChild<QWidget*>(name);
    ASSERT_NE(widget, nullptr) << name;
    EXPECT_EQ(widget->toolTip().toStdString(), field_hint("board_window", name)) << name;
    EXPECT_FALSE(widget->toolTip().isEmpty()) << name;
  }
  EXPECT_EQ(window.findChild<QWidget*>("port")->toolTip(),
            "Port: the port the board listens on, 8080 unless another program uses it.");

  home.ui.help_shown.clear();
  QTest::keyClick(&window, Qt::Key_F1);
  ASSERT_EQ(home.ui.help_shown.size(), 1u);
  EXPECT_EQ(home.ui.help_shown[0].first, "board");
  for (QPushButton* button : window.findChildren<QPushButton*>())
    if (button->text() == "Help") button->click();
  ASSERT_EQ(home.ui.help_shown.size(), 2u);
  EXPECT_EQ(home.ui.help_shown[1].first, "board");
}

}  // namespace
}  // namespace quillon::shell
