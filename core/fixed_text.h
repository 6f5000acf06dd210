#pragma once
// Text fields of the database records: single-byte characters in a fixed-width
// field, zero-terminated unless the text fills the field.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace quillon {

template <std::size_t N>
std::string field_text(const char (&field)[N]) {
  const char* end = static_cast<const char*>(std::memchr(field, 0, N));
  return std::string(field, end ? static_cast<std::size_t>(end - field) : N);
}

// Stores text into the field, cutting it at the field's width; the rest of the
// field is zero-filled.
template <std::size_t N>
void set_field_text(char (&field)[N], std::string_view text) {
  std::size_t n = std::min(text.size(), N);
  std::memcpy(field, text.data(), n);
  std::memset(field + n, 0, N - n);
}

// Like set_field_text but always leaves room for the terminating zero.
template <std::size_t N>
void set_field_text_terminated(char (&field)[N], std::string_view text) {
  set_field_text(field, text.substr(0, std::min(text.size(), N - 1)));
}

template <std::size_t N>
bool field_empty(const char (&field)[N]) {
  return field[0] == 0;
}

}  // namespace quillon
