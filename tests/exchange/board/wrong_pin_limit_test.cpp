#include <gtest/gtest.h>

#include "exchange/board/board_service.h"

namespace quillon::board {
namespace {

using std::chrono::minutes;
using std::chrono::seconds;

TEST(WrongPinLimit, FiveWrongPinsWithinTenMinutesPauseThatAddressForThatGroup) {
  WrongPinLimit limit;
  const auto t0 = WrongPinLimit::Clock::time_point{} + minutes(60);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(limit.wrong("10.0.0.5", 1, 3, t0 + minutes(i)), 4 - i);
  EXPECT_EQ(limit.wait_seconds("10.0.0.5", 1, 3, t0 + minutes(4)), 0);
  EXPECT_EQ(limit.wrong("10.0.0.5", 1, 3, t0 + minutes(4)), 0);
  // Paused until the first wrong PIN is ten minutes old.
  EXPECT_EQ(limit.wait_seconds("10.0.0.5", 1, 3, t0 + minutes(4)), 360);
  EXPECT_EQ(limit.wait_seconds("10.0.0.5", 1, 3, t0 + minutes(9) + seconds(30)), 30);
  EXPECT_EQ(limit.wait_seconds("10.0.0.5", 1, 3, t0 + minutes(10)), 0);
  // Other addresses, groups and tournaments are not paused.
  EXPECT_EQ(limit.wait_seconds("10.0.0.6", 1, 3, t0 + minutes(5)), 0);
  EXPECT_EQ(limit.wait_seconds("10.0.0.5", 1, 4, t0 + minutes(5)), 0);
  EXPECT_EQ(limit.wait_seconds("10.0.0.5", 2, 3, t0 + minutes(5)), 0);
  // Once the first has aged out, one more wrong PIN pauses again.
  EXPECT_EQ(limit.wrong("10.0.0.5", 1, 3, t0 + minutes(10)), 0);
  EXPECT_EQ(limit.wait_seconds("10.0.0.5", 1, 3, t0 + minutes(10)), 60);
  EXPECT_EQ(limit.wait_seconds("10.0.0.5", 1, 3, t0 + minutes(30)), 0);
}

}  // namespace
}  // namespace quillon::board
