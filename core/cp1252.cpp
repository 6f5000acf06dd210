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

// The capital of a Windows-1252 small letter above ASCII, or the code point itself.
char32_t cp1252_capital(char32_t c) {
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  switch (c) {
    case 0x0161: return 0x0160;  // š
    case 0x0153: return 0x0152;  // œ
    case 0x017E: return 0x017D;  // ž
    case 0x00FF: return 0x0178;  // ÿ
    default: return c;
  }
}

}  // namespace

std::string upper_case_cp1252_letters(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    auto b = static_cast<unsigned char>(utf8[i]);
    if (b >= 'a' && b <= 'z') {
      out += static_cast<char>(b - 'a' + 'A');
      continue;
    }
    // Every small letter of the code page above ASCII takes two bytes in UTF-8.
    if ((b & 0xE0) == 0xC0 && i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
      char32_t c = ((b & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
      char32_t capital = cp1252_capital(c);
      if (capital != c) {
        append_utf8(out, capital);
        ++i;
        continue;
      }
    }
    out += static_cast<char>(b);
  }
  return out;
}

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
