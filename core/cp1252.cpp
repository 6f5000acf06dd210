#include "core/cp1252.h"

#include <cstdint>

namespace quillon {

namespace {

// Code points of 0x80..0x9F; 0 marks the five unused bytes.
constexpr char32_t high_block[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                     0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

char32_t cp1252_code_point(char byte) {
  auto b = static_cast<unsigned char>(byte);
  if (b >= 0x80 && b < 0xA0) return high_block[b - 0x80] ? high_block[b - 0x80] : U'?';
  return b;
}

std::string utf8_from_cp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) append_utf8(out, cp1252_code_point(ch));
  return out;
}

std::string cp1252_from_utf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    auto b = static_cast<unsigned char>(text[i]);
    char32_t c = 0;
    int len = 1;
    if (b < 0x80) {
      c = b;
    } else if ((b & 0xE0) == 0xC0 && i + 1 < text.size()) {
      c = ((b & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F);
      len = 2;
    } else if ((b & 0xF0) == 0xE0 && i + 2 < text.size()) {
      c = ((b & 0x0F) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3F) << 6) |
          (static_cast<unsigned char>(text[i + 2]) & 0x3F);
      len = 3;
    } else if ((b & 0xF8) == 0xF0 && i + 3 < text.size()) {
      c = 0x110000;  // outside the code page
      len = 4;
    } else {
      c = 0x110000;
    }
    i += static_cast<std::size_t>(len);
    // Overlong forms (such as a two-byte zero) would smuggle in control bytes.
    if ((len == 2 && c < 0x80) || (len == 3 && c < 0x800)) c = 0x110000;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out += static_cast<char>(c);
      continue;
    }
    char mapped = '?';
    for (int k = 0; k < 32; ++k)
      if (high_block[k] == c) mapped = static_cast<char>(0x80 + k);
    out += mapped;
  }
  return out;
}

}  // namespace quillon
