#pragma once
// Handicap indexes as spreadsheet cells write them: "12.3", " 8.4", "62",
// "+2.3" (a plus handicap), "-1.5".
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

struct HandicapText {
  bool plus = false;  // the text began with '+'
  int hundredths = 0;  // the number, negative for a '-', digits past the second decimal dropped
};

// Nothing when the text (blanks around it allowed) is not a plain decimal number.
std::optional<HandicapText> parse_handicap_text(std::string_view text);

// Whether a cell holds a handicap: a number, and not below -10.0 once a
// leading '+' is counted as a minus (a lower one does not fit an index).
bool handicap_cell_readable(std::string_view text);

// A handicap cell as "import.txt" holds it: the blanks around it dropped and a
// decimal comma ("12,4", as European spreadsheet programs write it) read as a
// point. Nothing when the cell is not a handicap (handicap_cell_readable).
std::optional<std::string> handicap_cell_text(std::string_view text);

// The handicap index (tenths) a tee sheet cell gives: above 50.0 becomes 36.4
// for 'M' and 40.4 otherwise; the tenths are truncated, and negated for '+'.
int tee_sheet_index(const HandicapText& value, char gender);

// The index a member list cell gives: empty (nothing) or above 50.0 becomes
// 36.4 for 'M' and 40.4 otherwise; 0.05 is added (for '+' the value is
// negated and 0.05 taken off), the result halved when `halve`, and the tenths
// truncated toward zero: 12.34 gives 123, 12.35 gives 124.
int member_list_index(const std::optional<HandicapText>& value, char gender, bool halve);

inline constexpr int no_index_men = 364;  // 36.4
inline constexpr int no_index_women = 404;  // 40.4
inline constexpr int largest_plain_index_hundredths = 5000;  // 50.0
inline constexpr int lowest_readable_hundredths = -1000;  // -10.0

}  // namespace quillon
