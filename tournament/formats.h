#pragma once
// The fixed tables of a tournament: its formats with their handicap kind and
// team flag, the tie-break methods, start types and tee intervals, and the
// other fixed lists the tournament dialog offers.
#include <string>
#include <vector>

namespace quillon {

inline constexpr int format_count = 31;

enum class HandicapKind { computed = 0, net = 1, gross = 2 };

enum class StartType { normal = 0, crossover = 1, shotgun = 2, double_shotgun = 3 };

// Name of a format code 0..30; "" for other codes.
const char* format_name(int format);
HandicapKind format_kind(int format);
bool is_team_format(int format);
// Hidden formats stay valid in stored records but are not offered.
bool is_hidden_format(int format);
// The codes offered in the "Format" list, in code order.
std::vector<int> offered_formats();
// The code of a format name, or -1.
int format_of_name(const std::string& name);

// The Callaway settings a format sets when chosen; false for formats that
// leave them alone.
struct CallawaySettings {
  int max_handicap;
  int table_base;
};
bool callaway_defaults(int format, CallawaySettings& settings);

// Group sizes a format allows: the refusal message for a size, "" when allowed.
std::string group_size_refusal(int format, int group_size);

// Which per-format controls the dialog shows.
bool shows_peoria_set1(int format);
bool shows_peoria_set2(int format);
bool shows_callaway_configuration(int format);
bool shows_best_balls(int format);
bool shows_best_holes(int format);
bool allows_allowances(int format);
bool needs_no_nine_hole_course(int format);

inline constexpr int tie_break_count = 4;
const char* tie_break_name(int method);
inline constexpr int start_type_count = 4;
const char* start_type_name(int start_type);

// Tee intervals: index 0 is " 0.0", index k is 3.5 + 0.5 k minutes.
inline constexpr int tee_interval_count = 22;
std::string tee_interval_text(int index);
// The interval an entry's text means, in seconds: the first two characters
// give the minutes, any last character other than '0' adds thirty seconds.
int tee_interval_seconds(const std::string& text);
int tee_interval_seconds(int index);

// The fixed lists of the dialog.
std::vector<std::string> tee_interval_list();
std::vector<std::string> allowance_list();          // "50%".."100%"
std::vector<std::string> handicap_limit_list();     // "0.0".."50.0"
std::vector<std::string> results_limit_list();      // "  1".."400"
std::vector<std::string> number_list(int from, int to, const char* format);
std::vector<std::string> best_count_list(int to);   // "Best 1".."Best n"
std::vector<std::string> time_of_day_list(bool with_none);  // "00:00".. (after "none")
std::vector<std::string> auto_assign_list();        // "No", "By Index", "By Crs Hcap"
std::vector<std::string> max_hole_score_list();
std::vector<std::string> gender_list();             // "Male", "Female"

}  // namespace quillon
