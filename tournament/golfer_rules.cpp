#include "tournament/golfer_rules.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/record_values.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "core/text.h"
#include "handicap/course_handicap.h"
#include "handicap/stableford.h"
#include "handicap/team_handicap.h"
#include "tournament/field.h"
#include "tournament/formats.h"
#include "tournament/header_options.h"

namespace quillon {

std::string golfer_window_title(const State& state) {
  return format_text(128, "Maintain Golfer Information : %s", field_text(state.header.name).c_str());
}

int group_in_range(const State& state, int group) {
  const int count = state.header.group_count < 1 ? 1 : state.header.group_count;
  return group < 1 ? 1 : (group > count ? count : group);
}

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
  if (!value) {
    division.text = std::to_string(state.header.division_count);
    return;
  }
  // After a failed read (told) the division shown stays as it was.
  if (Result<int> d = assign_division(state, *value, tee_of_division(state, current), entry_gender(state, gender)))
    division.text = std::to_string(*d);
}

void check_division_typed(State& state, Field& division) {
  int d = parse_int(trimmed(division.text), 2);
  if (d <= state.header.division_count) return;
  message_box(state, message_kind::error, "The tournament is configured for %d division(s).",
              state.header.division_count);
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
  return ask_titled_destructive(
             state, message_kind::warning_yes_no, "Warning",
             "The golfer whose name you are changing was imported from the handicap database.  If you proceed "
             "with changing the name, the golfer will no longer be linked to the handicap database.\n"
             "Do you wish to proceed with changing the name ?") == Button::yes;
}

MemberRename unlink_renamed_member(State& state, Field& name, GroupBuffer& stored, int slot, int group) {
  GolferEntry& golfer = stored.entries[slot - 1];
  if (golfer.is_member != 1 || name.text == field_text(golfer.name)) return MemberRename::not_a_member;
  if (!confirm_member_name_change(state)) {
    name.text = field_text(golfer.name);
    return MemberRename::declined;
  }
  golfer.is_member = 0;
  state.group = stored;
  if (write_record(state, RecordKind::group, group)) return MemberRename::unlinked;
  // Not recorded (the user has been told): the member and the name stay as stored.
  golfer.is_member = 1;
  name.text = field_text(golfer.name);
  return MemberRename::not_written;
}

bool division_typed(const State& state) {
  return !header_options::has(state.header, header_options::auto_assign) && state.header.division_count > 1;
}

namespace {

// Course and playing handicaps are kept in signed bytes.
bool fits_stroke_byte(int strokes) { return strokes >= -128 && strokes <= 127; }

// The course handicap the index gives on the golfer's tee, and the playing
// handicap after the division's allowance, must both fit their bytes.
// Fails, told, when the tee could not be read.
Result<bool> course_handicap_fits(State& state, int index_tenths, char gender, int division) {
  Result<CourseRecord> tee = telling(state, load_course(state, tee_of_division(state, division)));
  if (!tee) return tee.status();
  int course = golfer_course_handicap(state.header, *tee, index_tenths, gender, division);
  int playing = playing_handicap(course, division_allowance_of(state.header, division));
  return fits_stroke_byte(course) && fits_stroke_byte(playing);
}

}  // namespace

std::optional<int> index_to_store(State& state, const IndexCell& cell, const IndexBounds& bounds) {
  bool vacancy = trimmed(cell.name).empty();
  if (!cell.editable || trimmed(cell.typed) == trimmed(cell.loaded)) return cell.stored;
  auto value = read_index_text(cell.typed);
  if (vacancy) {
    if (value && *value >= bounds.lowest && *value <= bounds.highest) return *value;
    return cell.stored;
  }
  if (!value) {
    message_box(state, message_kind::error, "Invalid handicap index [%s] for golfer %d", cell.typed.c_str(), cell.row);
    return std::nullopt;
  }
  if (*value < bounds.lowest || *value > bounds.highest) {
    if (std::string(bounds.out_of_range_form).find("%s") != std::string::npos)
      message_box(state, message_kind::error, bounds.out_of_range_form, cell.typed.c_str(), cell.row);
    else message_box(state, message_kind::error, bounds.out_of_range_form, *value / 10.0, cell.row);
    return std::nullopt;
  }
  Result<bool> fits = course_handicap_fits(state, *value, cell.gender, cell.division);
  if (!fits) return std::nullopt;
  if (!*fits) {
    message_box(state, message_kind::error,
                "Invalid handicap index [%s] for golfer %d (%s): the course handicap it gives cannot be held.",
                trimmed(cell.typed).c_str(), cell.row, trimmed(cell.name).c_str());
    return std::nullopt;
  }
  return *value;
}

void update_team_handicap(const State& state, GroupBuffer& group) {
  if (format_of(state.header) != Format::ambrose) return;
  group.entries[0].team_handicap = static_cast<std::int16_t>(ambrose_team_handicap(group, group_size_of(state.header)));
}

void clear_scores_of_removed(GolferEntry& entry, const std::string& new_name) {
  if (new_name.empty() && entry.name[0] != 0) std::memset(entry.hole_scores, 0, sizeof entry.hole_scores);
}

}  // namespace quillon
