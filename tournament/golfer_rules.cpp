#include "tournament/golfer_rules.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "tournament/field.h"
#include "tournament/header_options.h"

namespace quillon {

std::string golfer_index_text(int tenths) {
  if (tenths == 0) return "";
  if (tenths < 0) return format_text(16, "+%3.1f", -tenths / 10.0);
  return format_text(16, "%4.1f", tenths / 10.0);
}

std::optional<int> read_index_text(const std::string& text) {
  std::string t = trimmed(text);
  if (t.empty()) return 0;
  bool plus = t[0] == '+';
  bool minus = t[0] == '-';
  std::string body = (plus || minus) ? t.substr(1) : t;
  int digits = 0, points = 0;
  for (char c : body) {
    if (std::isdigit(static_cast<unsigned char>(c))) ++digits;
    else if (c == '.') ++points;
    else return std::nullopt;
  }
  if (digits == 0 || points > 1) return std::nullopt;
  int value = parse_tenths(body);
  return (plus || minus) ? -value : value;
}

void division_follows_index(State& state, Field& division, const std::string& index_text, char gender) {
  int current = parse_int(trimmed(division.text), 2);
  auto value = read_index_text(index_text);
  int d = value ? assign_division(state, *value, tee_of_division(state, current), entry_gender(state, gender))
                : state.header.division_count;
  division.text = std::to_string(d);
}

void check_division_typed(State& state, Field& division) {
  int d = parse_int(trimmed(division.text), 2);
  if (d <= state.header.division_count) return;
  message_box(state, message_kind::error, "The tournament is configured for %d division(s).", state.header.division_count);
  division.text = "1";
}

void check_gender_typed(State& state, Field& gender) {
  std::string g = trimmed(gender.text);
  std::string fallback(1, entry_gender(state, 0));
  if (g.empty()) {
    gender.text = fallback;
    return;
  }
  char c = static_cast<char>(std::toupper(static_cast<unsigned char>(g[0])));
  if (c == 'M' || c == 'F') {
    gender.text = std::string(1, c);
    return;
  }
  message_box(state, message_kind::error, "Gender must be either 'M' or 'F'.");
  gender.text = fallback;
}

bool confirm_member_name_change(State& state) {
  return ask_titled_destructive(state, message_kind::warning_yes_no, "Warning",
                    "The golfer whose name you are changing was imported from the handicap database.  If you proceed "
                    "with changing the name, the golfer will no longer be linked to the handicap database.\n"
                    "Do you wish to proceed with changing the name ?") == Button::yes;
}

bool division_typed(const State& state) {
  return !header_options::has(state.header, header_options::auto_assign) && state.header.division_count > 1;
}

void clear_scores_of_removed(GolferEntry& entry, const std::string& new_name) {
  if (new_name.empty() && entry.name[0] != 0) std::memset(entry.hole_scores, 0, sizeof entry.hole_scores);
}

}  // namespace quillon
