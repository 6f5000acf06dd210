#pragma once
// The text of a sort key, built in place: fixed-width decimal fields written
// without printf, as a results run writes some fifty of them per golfer.
#include <algorithm>
#include <string>
#include <string_view>

namespace quillon {

class KeyText {
 public:
  // Appends "%02d" (width 2) or "%03d" (width 3) of the value, held to the
  // field's range so that a key never loses its fixed width.
  void field(int value, int width) {
    value = std::clamp(value, 0, width == 2 ? 99 : 999);
    if (width == 3) put(static_cast<char>('0' + value / 100));
    put(static_cast<char>('0' + value / 10 % 10));
    put(static_cast<char>('0' + value % 10));
  }
  void repeat(char c, int count) {
    for (int i = 0; i < count; ++i) put(c);
  }
  std::string_view view() const { return {text_, length_}; }
  std::string str() const { return std::string(text_, length_); }

 private:
  static constexpr std::size_t capacity = 64;  // keys are at most 50 characters
  void put(char c) {
    if (length_ < capacity) text_[length_++] = c;
  }
  char text_[capacity];
  std::size_t length_ = 0;
};

}  // namespace quillon
