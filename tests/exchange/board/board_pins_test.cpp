#include "exchange/board/board_pins.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <set>

#include "exchange/board/board_settings.h"
#include "tests/testing/test_home.h"

namespace quillon::board {
namespace {

TEST(BoardPins, EveryGroupGetsItsOwnSixDigitPinKeptInTheHomeFolder) {
  testing::TestHome home;
  PinBook book;
  ASSERT_TRUE(ensure_pins(home.path(), 3, 12, &book));
  ASSERT_EQ(book.pins().size(), 12u);
  std::set<std::string> distinct;
  for (const auto& [key, pin] : book.pins()) {
    EXPECT_EQ(key.first, 3);
    EXPECT_EQ(pin.size(), 6u);
    EXPECT_EQ(pin.find_first_not_of("0123456789"), std::string::npos) << pin;
    distinct.insert(pin);
  }
  EXPECT_GE(distinct.size(), 10u);
  struct stat info {};
  ASSERT_EQ(stat((home.path() / pins_file_name).c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u) << "the PINs are for the secretary's eyes";

  // Asking again keeps them; a new group gets one of its own.
  PinBook again;
  ASSERT_TRUE(ensure_pins(home.path(), 3, 13, &again));
  for (int g = 1; g <= 12; ++g) EXPECT_EQ(again.pin(3, g), book.pin(3, g));
  EXPECT_EQ(again.pin(3, 13).size(), 6u);
  EXPECT_EQ(again.pin(4, 1), "");
  EXPECT_TRUE(again.matches(3, 5, book.pin(3, 5)));
  EXPECT_FALSE(again.matches(3, 5, book.pin(3, 5).substr(0, 5)));
  EXPECT_FALSE(again.matches(4, 1, ""));
}

TEST(BoardPins, TheSecretaryCanIssueANewPinForAGroup) {
  testing::TestHome home;
  PinBook book;
  ASSERT_TRUE(ensure_pins(home.path(), 1, 4, &book));
  auto fresh = issue_new_pin(home.path(), 1, 2);
  ASSERT_TRUE(fresh);
  EXPECT_NE(*fresh, book.pin(1, 2));
  auto loaded = PinBook::load(home.path());
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->pin(1, 2), *fresh);
  EXPECT_EQ(loaded->pin(1, 1), book.pin(1, 1));
  EXPECT_FALSE(loaded->matches(1, 2, book.pin(1, 2)));
}

TEST(BoardPins, ADamagedFileIsReportedNotGuessed) {
  testing::TestHome home;
  std::ofstream(home.path() / pins_file_name) << "1 1 123456\n1 2 12a456\n";
  auto loaded = PinBook::load(home.path());
  ASSERT_FALSE(loaded);
  EXPECT_EQ(loaded.status().reason(), "board_pins.txt line 2 cannot be read");
  EXPECT_FALSE(ensure_pins(home.path(), 1, 3, nullptr));
}

TEST(BoardSettings, AddressPortAndTournamentAreRemembered) {
  testing::TestHome home;
  auto defaults = load_board_settings(home.path());
  ASSERT_TRUE(defaults);
  EXPECT_EQ(defaults->address, "");
  EXPECT_EQ(defaults->port, 8080);
  EXPECT_EQ(defaults->tournament, 0);
  ASSERT_TRUE(save_board_settings(home.path(), {"192.168.1.20", 8123, 7}));
  auto loaded = load_board_settings(home.path());
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->address, "192.168.1.20");
  EXPECT_EQ(loaded->port, 8123);
  EXPECT_EQ(loaded->tournament, 7);
  std::ofstream(home.path() / settings_file_name) << "port = 70000\n";
  EXPECT_EQ(load_board_settings(home.path()).status().reason(), "board.cfg line 1 cannot be read: port = 70000");

  std::string address;
  int port = 0;
  EXPECT_TRUE(parse_listen("127.0.0.1:8081", address, port));
  EXPECT_EQ(address, "127.0.0.1");
  EXPECT_EQ(port, 8081);
  for (const char* bad : {"127.0.0.1", "127.0.0.1:0", "127.0.0.1:65536", "localhost:80", ":80", "1.2.3:80"})
    EXPECT_FALSE(parse_listen(bad, address, port)) << bad;
}

}  // namespace
}  // namespace quillon::board
