#pragma once
// Number parsing of dialog text, trimming, name character rules and the small
// exchange helpers of the sorting code.
#include <string>
#include <string_view>

namespace quillon {

// The integer value of the first n characters (n at most 10), as atoi reads them.
int parse_int(std::string_view text, int n);
// Tenths: sign x (integer part x 10 + first decimal digit). A minus sign
// anywhere makes the value negative; a full stop takes the next character as
// the decimal digit and ends the scan; any other character adds a digit of its
// value, non-digits counting as 0. "71.4" = 714, "-2.5" = -25, "12" = 120.
int parse_tenths(std::string_view text);

// Removes leading and trailing spaces.
void trim(std::string& text);
std::string trimmed(std::string_view text);

// Characters allowed in names; mode 0 allows no space, 1 allows spaces,
// 2 allows spaces and the apostrophe. An empty text passes.
bool name_chars_ok(std::string_view text, int mode);
// The allowed characters as shown in messages.
inline constexpr const char* name_chars_display =
    "!#$&()*+,-./0123456789=?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[ ]^_ abcdefghijklmnopqrstuvwxyz";

bool equal_ignoring_case(std::string_view a, std::string_view b);
std::string to_lower(std::string_view text);

// Exchanges the two values when the first is larger; returns whether it did.
bool order_pair(int& a, int& b);
bool order_pair(std::string& a, std::string& b);

// printf-style formatting into at most `limit` characters.
std::string format_text(std::size_t limit, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace quillon
