#include "tournament/formats.h"

#include "core/text.h"

namespace quillon {

namespace {

struct FormatInfo {
  const char* name;
  HandicapKind kind;
  bool team;
  bool hidden;
};

constexpr HandicapKind computed = HandicapKind::computed;
constexpr HandicapKind net = HandicapKind::net;
constexpr HandicapKind gross = HandicapKind::gross;

constexpr FormatInfo formats[format_count] = {
    {"Callaway Handicaps", computed, false, false},
    {"Gross Scores", gross, false, false},
    {"Net Scores", net, false, false},
    {"Stableford (Net Par)", net, false, false},
    {"Stableford (Net Bogie)", net, false, false},
    {"Daily Equalizer", computed, false, false},
    {"Best 1-2-3 Balls - Gross", gross, true, false},
    {"Peoria Handicaps (Modified)", computed, false, false},
    {"Net Scores with 1 Callaway Division", net, false, false},
    {"Best Ball(s) - Gross", gross, true, false},
    {"Best Ball(s) - Net", net, true, false},
    {"Best Ball (4 Man Gross)", gross, true, true},
    {"Best Ball (4 Man Net)", net, true, true},
    {"Scramble", gross, true, false},
    {"Best 2 Balls (Net)", net, true, true},
    {"Best 2 Balls (Gross)", gross, true, true},
    {"Callaway Scramble", computed, true, false},
    {"Callaway (Executive)", computed, false, false},
    {"Callaway 9 Hole", computed, false, false},
    {"Ambrose", net, true, false},
    {"Stableford (Custom)", net, false, false},
    {"System 36", gross, false, false},
    {"Best 1-2-3 Balls - Net", gross, true, false},
    {"Best Holes - Gross", gross, false, false},
    {"Best Holes - Net", net, false, false},
    {"Scheid Handicaps", gross, false, false},
    {"Best Ball(s) - Stableford Custom", net, true, false},
    {"Best 2 Balls (1 Gross, 1 Net)", net, true, false},
    {"Peoria Handicaps (Single)", computed, false, false},
    {"Peoria Handicaps (Double)", computed, false, false},
    {"Best Ball(s) - Callaway Net", computed, true, false},
};

bool valid(int format) { return format >= 0 && format < format_count; }

bool one_of(int format, std::initializer_list<int> codes) {
  for (int c : codes)
    if (c == format) return true;
  return false;
}

}  // namespace

const char* format_name(int format) { return valid(format) ? formats[format].name : ""; }
HandicapKind format_kind(int format) { return valid(format) ? formats[format].kind : HandicapKind::gross; }
bool is_team_format(int format) { return valid(format) && formats[format].team; }
bool is_hidden_format(int format) { return valid(format) && formats[format].hidden; }

std::vector<int> offered_formats() {
  std::vector<int> codes;
  for (int f = 0; f < format_count; ++f)
    if (!formats[f].hidden) codes.push_back(f);
  return codes;
}

int format_of_name(const std::string& name) {
  for (int f = 0; f < format_count; ++f)
    if (name == formats[f].name) return f;
  return -1;
}

bool callaway_defaults(int format, CallawaySettings& settings) {
  switch (format) {
    case 0:
    case 30: settings = {51, 70}; return true;
    case 16: settings = {51, 54}; return true;
    case 17: settings = {51, 60}; return true;
    case 18: settings = {25, 35}; return true;
    case 25: settings = {50, 72}; return true;
    default: return false;
  }
}

std::string group_size_refusal(int format, int group_size) {
  if (group_size < 1 || group_size > 5) return "The number of golfers per group must be between 1 and 5";
  if (one_of(format, {9, 10, 13, 16, 19, 26, 27, 30}) && group_size == 1)
    return format_text(300, "For the selected type of event (%s), the number of golfers per group must be 2, 3, 4, or 5",
                       format_name(format));
  if (one_of(format, {6, 22}) && group_size < 3)
    return format_text(300, "For the selected type of event (%s), the number of golfers per group must be 3, 4, or 5",
                       format_name(format));
  if (is_team_format(format) && group_size == 1) return "For a team event, the number of golfers per group must be greater than 1";
  return "";
}

bool shows_peoria_set1(int format) { return one_of(format, {7, 28, 29}); }
bool shows_peoria_set2(int format) { return format == 29; }
bool shows_callaway_configuration(int format) { return one_of(format, {0, 8, 16, 17, 18, 30}); }
bool shows_best_balls(int format) { return one_of(format, {9, 10, 26, 30}); }
bool shows_best_holes(int format) { return one_of(format, {23, 24}); }
bool allows_allowances(int format) { return one_of(format, {2, 3, 4, 20}); }
bool needs_no_nine_hole_course(int format) { return one_of(format, {0, 5, 7, 17, 28, 29, 30}); }

const char* tie_break_name(int method) {
  static const char* names[tie_break_count] = {"Count Back From 18", "Last 9, 6, 3, 1", "Australian Count Back", "None"};
  return method >= 0 && method < tie_break_count ? names[method] : "";
}

const char* start_type_name(int start_type) {
  static const char* names[start_type_count] = {"Normal", "CrossOver", "Shotgun", "Double Shotgun"};
  return start_type >= 0 && start_type < start_type_count ? names[start_type] : "";
}

std::string tee_interval_text(int index) {
  if (index <= 0 || index >= tee_interval_count) return " 0.0";
  int tenths = 35 + 5 * index;
  return format_text(8, "%2d.%d", tenths / 10, tenths % 10);
}

int tee_interval_seconds(const std::string& text) {
  if (text.size() < 2) return 0;
  int minutes = parse_int(text, 2);
  bool half = text.back() != '0';
  return minutes * 60 + (half ? 30 : 0);
}

int tee_interval_seconds(int index) { return tee_interval_seconds(tee_interval_text(index)); }

std::vector<std::string> tee_interval_list() {
  std::vector<std::string> list;
  for (int i = 0; i < tee_interval_count; ++i) list.push_back(tee_interval_text(i));
  return list;
}

std::vector<std::string> allowance_list() {
  std::vector<std::string> list;
  for (int p = 50; p <= 100; p += 5) list.push_back(format_text(8, "%d%%", p));
  return list;
}

std::vector<std::string> handicap_limit_list() {
  std::vector<std::string> list;
  for (int t = 0; t <= 500; ++t) list.push_back(format_text(8, "%4.1f", t / 10.0));
  return list;
}

std::vector<std::string> results_limit_list() { return number_list(1, 400, "%3d"); }

std::vector<std::string> number_list(int from, int to, const char* format) {
  std::vector<std::string> list;
  for (int n = from; n <= to; ++n) list.push_back(format_text(16, format, n));
  return list;
}

std::vector<std::string> best_count_list(int to) { return number_list(1, to, "Best %d"); }

std::vector<std::string> time_of_day_list(bool with_none) {
  std::vector<std::string> list;
  if (with_none) list.push_back("none");
  for (int m = 0; m < 24 * 60; ++m) list.push_back(format_text(8, "%02d:%02d", m / 60, m % 60));
  return list;
}

std::vector<std::string> auto_assign_list() { return {"No", "By Index", "By Crs Hcap"}; }

std::vector<std::string> max_hole_score_list() {
  return {"None", "1 over par", "2 over par", "3 over par", "4 over par", "double par"};
}

std::vector<std::string> gender_list() { return {"Male", "Female"}; }

}  // namespace quillon
