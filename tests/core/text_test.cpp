// Number parsing of dialog text, trimming, name characters and pair ordering.
#include <gtest/gtest.h>

#include "core/text.h"

namespace quillon {
namespace {

TEST(ParseTenths, ReadsRatingsAndIndexes) {
  EXPECT_EQ(parse_tenths("71.4"), 714);
  EXPECT_EQ(parse_tenths("-2.5"), -25);
  EXPECT_EQ(parse_tenths("12"), 120);
  EXPECT_EQ(parse_tenths("36"), 360);
  EXPECT_EQ(parse_tenths("+3.0"), 30);
  EXPECT_EQ(parse_tenths("0"), 0);
  EXPECT_EQ(parse_tenths(""), 0);
}

TEST(ParseTenths, FollowsItsOddRules) {
  EXPECT_EQ(parse_tenths("7.45"), 74);  // only the first decimal, then the scan ends
  EXPECT_EQ(parse_tenths("1.2.3"), 12);
  EXPECT_EQ(parse_tenths("3."), 30);
  EXPECT_EQ(parse_tenths(".5"), 5);
  EXPECT_EQ(parse_tenths("-.5"), -5);
  EXPECT_EQ(parse_tenths("5-"), -50);  // a minus anywhere
  EXPECT_EQ(parse_tenths("--5"), -50);
  EXPECT_EQ(parse_tenths("1a2"), 1020);  // a non-digit adds a 0 digit
  EXPECT_EQ(parse_tenths(" 72"), 720);
  EXPECT_EQ(parse_tenths("72 "), 7200);
  EXPECT_EQ(parse_tenths("7.x"), 70);
}

TEST(ParseInt, ReadsTheFirstCharactersOnly) {
  EXPECT_EQ(parse_int("123abc", 6), 123);
  EXPECT_EQ(parse_int("12345", 3), 123);
  EXPECT_EQ(parse_int("  42", 4), 42);
  EXPECT_EQ(parse_int("-17", 3), -17);
  EXPECT_EQ(parse_int("7", 5), 7);
  EXPECT_EQ(parse_int("x1", 2), 0);
  EXPECT_EQ(parse_int("99", 0), 0);
  EXPECT_EQ(parse_int("12345678901234", 20), 1234567890);  // at most 10 characters
}

TEST(NameChars, AllowSpacesAndApostrophesByMode) {
  const std::string allowed = "!#$&()*+,-./0123456789=?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[]^_abcdefghijklmnopqrstuvwxyz";
  for (int mode = 0; mode <= 2; ++mode) {
    EXPECT_TRUE(name_chars_ok(allowed, mode)) << mode;
    EXPECT_TRUE(name_chars_ok("", mode)) << mode;
  }
  EXPECT_FALSE(name_chars_ok("Pine Valley", 0));
  EXPECT_TRUE(name_chars_ok("Pine Valley", 1));
  EXPECT_TRUE(name_chars_ok("Pine Valley", 2));
  EXPECT_FALSE(name_chars_ok("O'Brien", 0));
  EXPECT_FALSE(name_chars_ok("O'Brien", 1));
  EXPECT_TRUE(name_chars_ok("O'Brien Jr.", 2));

  for (char c : std::string("\"%:;<>\\`{}|~")) {
    for (int mode = 0; mode <= 2; ++mode)
      EXPECT_FALSE(name_chars_ok(std::string("Tee") + c, mode)) << c << " mode " << mode;
  }
  EXPECT_FALSE(name_chars_ok("Tab\there", 2));
  EXPECT_FALSE(name_chars_ok("Caf\xE9", 2));
  EXPECT_FALSE(name_chars_ok("Del\x7F", 2));
  EXPECT_EQ(std::string(name_chars_display),
            "!#$&()*+,-./0123456789=?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[ ]^_ abcdefghijklmnopqrstuvwxyz");
}

TEST(Trim, RemovesOnlyOuterSpaces) {
  std::string s = "  Pine Ridge  ";
  trim(s);
  EXPECT_EQ(s, "Pine Ridge");
  s = "    ";
  trim(s);
  EXPECT_EQ(s, "");
  s = "";
  trim(s);
  EXPECT_EQ(s, "");
  s = "\tBlue ";
  trim(s);
  EXPECT_EQ(s, "\tBlue");
  EXPECT_EQ(trimmed(" White Tees "), "White Tees");
}

TEST(OrderPair, SwapsOnlyWhenTheFirstIsLarger) {
  int a = 5, b = 3;
  EXPECT_TRUE(order_pair(a, b));
  EXPECT_EQ(a, 3);
  EXPECT_EQ(b, 5);
  EXPECT_FALSE(order_pair(a, b));
  EXPECT_EQ(a, 3);
  EXPECT_EQ(b, 5);
  int c = 4, d = 4;
  EXPECT_FALSE(order_pair(c, d));

  std::string x = "Smith", y = "Jones";
  EXPECT_TRUE(order_pair(x, y));
  EXPECT_EQ(x, "Jones");
  EXPECT_EQ(y, "Smith");
  EXPECT_FALSE(order_pair(x, y));
}

TEST(TextHelpers, CaseAndFormatting) {
  EXPECT_TRUE(equal_ignoring_case("Pine Ridge", "PINE ridge"));
  EXPECT_FALSE(equal_ignoring_case("Pine", "Pines"));
  EXPECT_EQ(to_lower("Blue TEES"), "blue tees");
  EXPECT_EQ(format_text(5, "%s", "abcdefgh"), "abcde");
  EXPECT_EQ(format_text(100, "%d golfers in %s", 12, "Flight A"), "12 golfers in Flight A");
}

}  // namespace
}  // namespace quillon
