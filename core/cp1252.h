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

}  // namespace quillon
