#include "exchange/network/net_escape.h"

#include <cstdio>

namespace quillon {

namespace {

// In this order: each character is replaced throughout before the next.
constexpr char escaped_characters[] = {'!', '"', '#', '$', '&', '\'', '/', '\\'};

std::string replacement_for(char c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "-X%2dX-", static_cast<int>(static_cast<unsigned char>(c)));
  return buffer;
}

void replace_all(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

}  // namespace

void escape_for_server(std::string& text) {
  for (char c : escaped_characters) replace_all(text, std::string(1, c), replacement_for(c));
}

void unescape_from_server(std::string& text) {
  for (char c : escaped_characters) replace_all(text, replacement_for(c), std::string(1, c));
}

}  // namespace quillon
