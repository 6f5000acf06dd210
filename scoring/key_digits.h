#pragma once
// The text of a sort key, built in place: fixed-width decimal fields written
// without printf, as a results run writes some fifty of them per golfer. Held
// in a fixed buffer so that a results row carries its keys without allocating.
// The buffer is sized from the fields a key is made of; appending beyond it is
// a fault in the key's layout and stops the program with a message, since a
// key silently cut short would rank golfers wrongly.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace quillon {

// The parts of a key: "%03d" primary value, "%02d" handicap preference, then
// the tie-break digits (count back: 18 two-digit holes; "Last 9, 6, 3, 1": four
// sums of three digits and 24 zeros; Australian: three sums and nine holes of
// three digits each).
inline constexpr int primary_key_digits = 3;
inline constexpr int preference_key_digits = 2;
inline constexpr int tie_break_key_digits = std::max({18 * 2, 4 * 3 + 24, 3 * 3 + 9 * 3});
inline constexpr int longest_key = primary_key_digits + preference_key_digits + tie_break_key_digits;

class KeyText {
 public:
  KeyText() = default;
  explicit KeyText(std::string_view text) {
    for (char c : text) repeat(c, 1);
  }
  // Appends "%02d" (width 2), "%03d" (width 3) or "%04d" (width 4) of the
  // value, held to the field's range so that a key never loses its fixed width.
  void field(int value, int width) {
    make_room(width);
    value = std::clamp(value, 0, width == 2 ? 99 : width == 3 ? 999 : 9999);
    // A local length: stores through the char buffer could alias the member.
    int n = length_;
    if (width == 4) text_[n++] = static_cast<char>('0' + value / 1000);
    if (width >= 3) text_[n++] = static_cast<char>('0' + value / 100 % 10);
    const char* pair = two_digits + 2 * (value % 100);
    text_[n++] = pair[0];
    text_[n++] = pair[1];
    length_ = static_cast<std::uint8_t>(n);
  }
  // Appends "%02d" of each value, held to 0..99.
  template <typename Values>
  void two_digit_fields(const Values& values, int count) {
    make_room(2 * count);
    int n = length_;
    for (int i = 0; i < count; ++i) {
      const char* pair = two_digits + 2 * std::clamp(static_cast<int>(values[i]), 0, 99);
      text_[n++] = pair[0];
      text_[n++] = pair[1];
    }
    length_ = static_cast<std::uint8_t>(n);
  }
  void repeat(char c, int count) {
    if (count <= 0) return;
    make_room(count);
    std::fill_n(text_ + length_, count, c);
    length_ = static_cast<std::uint8_t>(length_ + count);
  }
  std::string_view view() const { return {text_, length_}; }
  std::string str() const { return std::string(text_, length_); }

  // Byte-wise, as the ranking compares keys.
  friend bool operator==(const KeyText& a, const KeyText& b) { return a.view() == b.view(); }
  friend bool operator<(const KeyText& a, const KeyText& b) { return a.view() < b.view(); }

 private:
  static constexpr int capacity = longest_key;

  void make_room(int count) const {
    if (length_ + count <= capacity) return;
    std::fprintf(stderr, "Quillon: a sort key outgrew its %d characters\n", capacity);
    std::abort();
  }

  static constexpr const char* two_digits =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  char text_[capacity];
  std::uint8_t length_ = 0;
};

}  // namespace quillon
