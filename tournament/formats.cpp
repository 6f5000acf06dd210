#include "tournament/formats.h"

#include "core/records/golfer_entry.h"
#include "core/records/header_values.h"
#include "core/text.h"

namespace quillon {

std::string group_size_refusal(Format format, int group_size) {
  if (group_size < 1 || group_size > max_group_size) return "The number of golfers per group must be between 1 and 5";
  switch (format_traits(format).group_sizes) {
    case GroupSizes::any: break;
    case GroupSizes::team:
      if (group_size == 1) return "For a team event, the number of golfers per group must be greater than 1";
      break;
    case GroupSizes::two_to_five:
      if (group_size == 1)
        return format_text(300,
                           "For the selected type of event (%s), the number of golfers per group must be 2, 3, 4, or 5",
                           format_name(format));
      break;
    case GroupSizes::three_to_five:
      if (group_size < 3)
        return format_text(300,
                           "For the selected type of event (%s), the number of golfers per group must be 3, 4, or 5",
                           format_name(format));
      break;
  }
  return "";
}

const char* tie_break_name(int method) {
  static const char* names[tie_break_count] = {"Count Back From 18", "Last 9, 6, 3, 1", "Australian Count Back",
                                               "None"};
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

std::vector<std::string> results_limit_list() { return number_list(1, most_results, "%3d"); }

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
