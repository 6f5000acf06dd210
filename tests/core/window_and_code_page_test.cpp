// The stored window rectangle and the Windows-1252 conversions.
#include <gtest/gtest.h>

#include "core/cp1252.h"
#include "core/window_rect.h"
#include "tests/core/database_test_support.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

TEST(WindowRect, ClampedToAtLeast800By600OnTheScreen) {
  EXPECT_EQ(clamp_window_rect({900, 700, 1000, 800}), (WindowRect{200, 200, 1000, 800}));
  EXPECT_EQ(clamp_window_rect({900, 0, 1700, 600}), (WindowRect{600, 0, 1400, 600}));
  EXPECT_EQ(clamp_window_rect({0, 0, 0, 0}), (WindowRect{0, 0, 800, 600}));
  EXPECT_EQ(clamp_window_rect({-50, -20, 1000, 700}), (WindowRect{0, 0, 1050, 720}));
  EXPECT_EQ(clamp_window_rect({0, 500, 800, 1200}), (WindowRect{0, 400, 800, 1100}));
  EXPECT_EQ(clamp_window_rect({100, 50, 1300, 950}), (WindowRect{100, 50, 1300, 950}));
}

TEST(WindowRect, StoredAsLeftRightTopBottom) {
  testing::TestHome home;
  quillon::State& state = home.started();
  ASSERT_TRUE(save_window_rect(state, {10, 20, 900, 700}));
  testing::Bytes bytes = testing::file_bytes(home.path() / "qlwin4.dat");
  EXPECT_EQ(testing::slice(bytes, 120, 8), (testing::Bytes{10, 0, 0x84, 0x03, 20, 0, 0xBC, 0x02}));
  EXPECT_EQ(stored_window_rect(home.started()), (WindowRect{10, 20, 900, 700}));
}

TEST(CodePage, RoundTripsThroughUtf8) {
  EXPECT_EQ(utf8_from_cp1252("Caf\xE9"), "Caf\xC3\xA9");
  EXPECT_EQ(utf8_from_cp1252("\x80"), "\xE2\x82\xAC");
  EXPECT_EQ(utf8_from_cp1252("O\x92Neil"), "O\xE2\x80\x99Neil");
  EXPECT_EQ(cp1252_from_utf8("Caf\xC3\xA9"), "Caf\xE9");
  EXPECT_EQ(cp1252_from_utf8("\xE2\x82\xAC"), "\x80");
  EXPECT_EQ(cp1252_from_utf8("O\xE2\x80\x99Neil"), "O\x92Neil");

  for (int b = 1; b < 256; ++b) {
    if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;
    std::string one(1, static_cast<char>(b));
    ASSERT_EQ(cp1252_from_utf8(utf8_from_cp1252(one)), one) << b;
  }
}

TEST(CodePage, WhatHasNoFormBecomesAQuestionMark) {
  EXPECT_EQ(utf8_from_cp1252("\x81"), "?");
  EXPECT_EQ(cp1252_from_utf8("\xC4\x80"), "?");  // U+0100
  EXPECT_EQ(cp1252_from_utf8("a\xF0\x9F\x98\x80z"), "a?z");  // outside the basic plane
  EXPECT_EQ(cp1252_from_utf8("a\xC3"), "a?");  // cut short
  EXPECT_EQ(cp1252_from_utf8("\xC2\x85"), "?");  // a C1 control
}

}  // namespace
}  // namespace quillon
