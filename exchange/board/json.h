#pragma once
// The little JSON the board speaks: a writer whose strings are safe inside an
// HTML page too, and a reader of the flat objects a score entry sends.
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quillon::board {

// A JSON string literal of UTF-8 text, quotes included. '<', '>' and '&' are
// written as \u escapes so that the text can never close a script element.
std::string json_string(std::string_view text);

// One value of a flat object: a number (whole) or a string.
struct JsonValue {
  bool is_number = false;
  long long number = 0;
  std::string text;
};

// Reads an object of string and whole-number members, e.g.
// {"golfer": 2, "hole": 7, "score": "X"}. Nothing when the text is not such
// an object (nesting, arrays, fractions, duplicates, trailing text).
std::optional<std::map<std::string, JsonValue>> parse_flat_object(std::string_view text);

}  // namespace quillon::board
