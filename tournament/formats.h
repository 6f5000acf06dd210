#pragma once
// The fixed lists of a tournament other than its formats (handicap/formats.h):
// the tie-break methods, start types and tee intervals, and the other lists
// the tournament dialog offers.
#include <string>
#include <vector>

#include "handicap/formats.h"

namespace quillon {

enum class StartType { normal = 0, crossover = 1, shotgun = 2, double_shotgun = 3 };

// Group sizes a format allows: the refusal message for a size, "" when allowed.
std::string group_size_refusal(Format format, int group_size);

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
std::vector<std::string> allowance_list();  // "50%".."100%"
std::vector<std::string> handicap_limit_list();  // "0.0".."50.0"
std::vector<std::string> results_limit_list();  // "  1".."400"
std::vector<std::string> number_list(int from, int to, const char* format);
std::vector<std::string> best_count_list(int to);  // "Best 1".."Best n"
std::vector<std::string> time_of_day_list(bool with_none);  // "00:00".. (after "none")
std::vector<std::string> auto_assign_list();  // "No", "By Index", "By Crs Hcap"
std::vector<std::string> max_hole_score_list();
std::vector<std::string> gender_list();  // "Male", "Female"

}  // namespace quillon
