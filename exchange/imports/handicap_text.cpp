#include "exchange/imports/handicap_text.h"

#include <cctype>

namespace quillon {

namespace {

int default_index(char gender) { return gender == 'M' ? no_index_men : no_index_women; }

}  // namespace

std::optional<HandicapText> parse_handicap_text(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  HandicapText value;
  bool minus = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    (text.front() == '+' ? value.plus : minus) = true;
    text.remove_prefix(1);
  }
  int whole = 0;
  int fraction = 0;  // hundredths
  int whole_digits = 0;
  int fraction_digits = 0;
  bool point = false;
  for (char c : text) {
    if (c == '.' && !point) {
      point = true;
    } else if (std::isdigit(static_cast<unsigned char>(c))) {
      if (point) {
        if (fraction_digits < 2) fraction = fraction * 10 + (c - '0');
        ++fraction_digits;
      } else {
        if (whole > 100000) return std::nullopt;
        whole = whole * 10 + (c - '0');
        ++whole_digits;
      }
    } else {
      return std::nullopt;
    }
  }
  if (whole_digits + fraction_digits == 0) return std::nullopt;
  if (fraction_digits == 1) fraction *= 10;
  value.hundredths = whole * 100 + fraction;
  if (minus) value.hundredths = -value.hundredths;
  return value;
}

bool handicap_cell_readable(std::string_view text) {
  auto value = parse_handicap_text(text);
  if (!value) return false;
  int signed_value = value->plus ? -value->hundredths : value->hundredths;
  return signed_value >= lowest_readable_hundredths;
}

std::optional<std::string> handicap_cell_text(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::string cell(text);
  std::size_t comma = cell.find(',');
  if (comma != std::string::npos && cell.find_first_of(",.", comma + 1) == std::string::npos &&
      cell.find('.') == std::string::npos)
    cell[comma] = '.';
  if (!handicap_cell_readable(cell)) return std::nullopt;
  return cell;
}

int tee_sheet_index(const HandicapText& value, char gender) {
  int tenths = value.hundredths > largest_plain_index_hundredths ? default_index(gender) : value.hundredths / 10;
  return value.plus ? -tenths : tenths;
}

int member_list_index(const std::optional<HandicapText>& value, char gender, bool halve) {
  int hundredths = 10 * default_index(gender);
  bool plus = false;
  if (value && value->hundredths <= largest_plain_index_hundredths) {
    hundredths = value->hundredths;
    plus = value->plus;
  }
  int adjusted = plus ? -(hundredths + 5) : hundredths + 5;
  return halve ? adjusted / 20 : adjusted / 10;
}

}  // namespace quillon
