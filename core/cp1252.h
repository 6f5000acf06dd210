#pragma once
// Record texts are Windows-1252; front ends speak UTF-8.
#include <string>
#include <string_view>

namespace quillon {

std::string utf8_from_cp1252(std::string_view text);
// The Unicode character a Windows-1252 byte stands for ('?' for the five unused bytes).
char32_t cp1252_code_point(char byte);
// Characters with no Windows-1252 form become '?'.
std::string cp1252_from_utf8(std::string_view text);
// UTF-8 text with the letters that Windows-1252 has in both cases (a-z, à-þ,
// š, œ, ž, ÿ) upper-cased; every other character is kept as it is.
std::string upper_case_cp1252_letters(std::string_view utf8);

}  // namespace quillon
