#include "scoring/key_digits.h"

#include <gtest/gtest.h>

#include <array>

#include "scoring/tie_break.h"

namespace quillon {
namespace {

TEST(KeyText, FieldsAreHeldToTheirWidth) {
  KeyText key;
  key.field(1234, 3);
  key.field(-5, 2);
  key.field(7, 3);
  key.repeat(' ', 2);
  EXPECT_EQ(key.str(), "99900007  ");
}

// Every tie-break method fills its digits after the primary value and the
// handicap preference without running out of room.
TEST(KeyText, TheLongestKeyOfEachTieBreakMethodFits) {
  TieBreakRow row;
  row.hole_count = 18;
  for (int& v : row.values) v = 99;
  for (int method : {tie_break_method::count_back, tie_break_method::last_9631, tie_break_method::australian,
                     tie_break_method::none}) {
    KeyText key;
    key.field(999, primary_key_digits);
    key.field(99, preference_key_digits);
    append_tie_break_digits(key, row, method);
    EXPECT_EQ(key.view().size(), static_cast<std::size_t>(longest_key)) << method;
  }
}

TEST(KeyTextDeathTest, AppendingBeyondTheLongestKeyStopsLoudly) {
  KeyText key;
  key.repeat('0', longest_key);
  EXPECT_DEATH(key.field(1, 2), "a sort key outgrew its 41 characters");
  EXPECT_DEATH(key.repeat(' ', 1), "outgrew");
  std::array<int, 1> one{};
  EXPECT_DEATH(key.two_digit_fields(one, 1), "outgrew");
}

}  // namespace
}  // namespace quillon
