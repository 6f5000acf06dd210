#pragma once
// Tee times and shotgun starting holes of the groups of a tournament.
#include <optional>
#include <string>

#include "core/records/tournament_header.h"

namespace quillon {

struct State;

// The tee-time text of group g: " hh:mm", "hh:mm:30", or "" when the
// tournament has no tee times.
std::string tee_time_of_group(const TournamentHeader& header, int group);

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  bool operator==(const TimeOfDay&) const = default;
};

// What the "To" time of the tournament dialog is computed from.
struct TeePlan {
  int start_type = 0;
  int groups = 0;  // the groups field as typed; outside 1..800 nothing is computed
  TimeOfDay first;  // hour 0 = no tee times
  int interval_index = 0;
  TimeOfDay blocked_from;  // "none" is 0:00
  TimeOfDay blocked_to;
  TimeOfDay second_shotgun;  // the stored "To" time of a Double Shotgun
};

// The "To" time: the first tee time for a Shotgun, the second shotgun's time
// for a Double Shotgun, otherwise the time of the last group. Nothing when it
// cannot be computed (no first tee time, groups out of range).
std::optional<TimeOfDay> last_tee_time(const TeePlan& plan);
TeePlan tee_plan_of(const TournamentHeader& header);

// Stores the "To" time of a Normal or CrossOver start for the header's current
// group count, so that lists show the time of the last group after the field
// grew. Shotgun starts keep their stored time.
void refresh_last_tee_time(TournamentHeader& header);

// The starting-hole label ("1A", "2B", ...) of group g in a shotgun start on
// a course of `hole_count` holes.
std::string shotgun_hole_of_group(const TournamentHeader& header, int group, int hole_count);
// The same, with the hole count of division 1's course (reads that course).
std::string shotgun_hole_of_group(State& state, int group);

// What lists show as a group's start: the shotgun label for start types 2 and
// 3, else the tee time.
std::string group_start_text(State& state, int group);

}  // namespace quillon
