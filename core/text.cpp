#include "core/text.h"

#include <cctype>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace quillon {

int parse_int(std::string_view text, int n) {
  if (n > 10) n = 10;
  std::string part(text.substr(0, static_cast<std::size_t>(n < 0 ? 0 : n)));
  long long v = std::strtoll(part.c_str(), nullptr, 10);  // ten digits can exceed an int
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

int parse_tenths(std::string_view text) {
  auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : 0; };
  bool negative = false;
  int whole = 0;
  int tenth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '-') {
      negative = true;
    } else if (c == '.') {
      if (i + 1 < text.size()) tenth = digit(text[i + 1]);
      break;
    } else if (whole < 100000000) {  // long digit strings saturate instead of overflowing
      whole = whole * 10 + digit(c);
    }
  }
  int value = whole * 10 + tenth;
  return negative ? -value : value;
}

void trim(std::string& text) {
  auto b = text.find_first_not_of(' ');
  if (b == std::string::npos) {
    text.clear();
    return;
  }
  auto e = text.find_last_not_of(' ');
  text = text.substr(b, e - b + 1);
}

std::string trimmed(std::string_view text) {
  std::string s(text);
  trim(s);
  return s;
}

bool name_chars_ok(std::string_view text, int mode) {
  for (char ch : text) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c == ' ') {
      if (mode >= 1) continue;
      return false;
    }
    if (c == '\'') {
      if (mode == 2) continue;
      return false;
    }
    if (c < 33 || c >= 127) return false;
    switch (c) {
      case '"':
      case '%':
      case ':':
      case ';':
      case '<':
      case '>':
      case '\\':
      case '`':
      case '{':
      case '}':
      case '|':
      case '~': return false;
      default: break;
    }
  }
  return true;
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

std::string to_lower(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool order_pair(int& a, int& b) {
  if (a <= b) return false;
  std::swap(a, b);
  return true;
}

bool order_pair(std::string& a, std::string& b) {
  if (a <= b) return false;
  std::swap(a, b);
  return true;
}

std::string format_text(std::size_t limit, const char* format, ...) {
  std::vector<char> buf(limit + 1);
  va_list args;
  va_start(args, format);
  std::vsnprintf(buf.data(), buf.size(), format, args);
  va_end(args);
  return buf.data();
}

}  // namespace quillon
