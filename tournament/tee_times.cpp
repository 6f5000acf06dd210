#include "tournament/tee_times.h"

#include "core/database.h"
#include "core/state.h"
#include "core/text.h"
#include "tournament/formats.h"

namespace quillon {

namespace {

// A clock that moves in whole minutes and half minutes.
struct TeeClock {
  int hour = 0;
  int minute = 0;
  int seconds = 0;

  void add(int interval_seconds) {
    minute += interval_seconds / 60;
    seconds += interval_seconds % 60;
    if (seconds >= 60) {
      ++minute;
      seconds -= 60;
    }
    carry_minutes();
  }
  void carry_minutes() {
    hour += minute / 60;
    minute %= 60;
  }
  int minutes_of_day() const { return hour * 60 + minute; }
};

int minutes_of(TimeOfDay t) { return t.hour * 60 + t.minute; }

bool outside_blocked(const TeeClock& clock, TimeOfDay from, TimeOfDay to) {
  int now = clock.minutes_of_day();
  return now < minutes_of(from) || now > minutes_of(to);
}

bool adds_on_step(int start_type, int k) {
  return start_type == static_cast<int>(StartType::normal) ||
         (start_type == static_cast<int>(StartType::crossover) && k % 2 == 0);
}

bool shotgun(int start_type) {
  return start_type == static_cast<int>(StartType::shotgun) ||
         start_type == static_cast<int>(StartType::double_shotgun);
}

int course_holes_of_division1(State& state) {
  int tee = state.header.division_tee[0] == 0 ? 1 : state.header.division_tee[0];
  // A failed read is told and counted (reports and exports then stop); the course counts no holes.
  (void)read_record(state, RecordKind::course, tee);
  return state.course.hole_count;
}

}  // namespace

std::string tee_time_of_group(const TournamentHeader& header, int group) {
  if (header.first_tee_hour == 0) return "";
  TeeClock clock{header.first_tee_hour, header.first_tee_minute, 0};
  if (header.start_type == static_cast<int>(StartType::double_shotgun) && group > header.first_shotgun_groups)
    clock = TeeClock{header.last_tee_hour, header.last_tee_minute, 0};

  int interval = tee_interval_seconds(header.tee_interval_index);
  if (header.tee_interval_index != 0 && !shotgun(header.start_type)) {
    int per_time = header.groups_per_tee_time > 0 ? header.groups_per_tee_time : 1;
    int slot = (group + per_time - 1) / per_time;
    TimeOfDay from{header.blocked_from_hour, header.blocked_from_minute};
    TimeOfDay to{header.blocked_to_hour, header.blocked_to_minute};
    for (int k = slot - 1; k > 0;) {
      bool adds = adds_on_step(header.start_type, k);
      if (adds) clock.add(interval);
      // A step that adds nothing cannot leave the blocked window, so it counts.
      if (!adds || outside_blocked(clock, from, to)) --k;
    }
  }
  if (clock.seconds != 0) return format_text(16, "%02d:%02d:30", clock.hour, clock.minute);
  return format_text(16, " %02d:%02d", clock.hour, clock.minute);
}

TeePlan tee_plan_of(const TournamentHeader& h) {
  TeePlan plan;
  plan.start_type = h.start_type;
  plan.groups = h.group_count;
  plan.first = {h.first_tee_hour, h.first_tee_minute};
  plan.interval_index = h.tee_interval_index;
  plan.blocked_from = {h.blocked_from_hour, h.blocked_from_minute};
  plan.blocked_to = {h.blocked_to_hour, h.blocked_to_minute};
  plan.second_shotgun = {h.last_tee_hour, h.last_tee_minute};
  return plan;
}

void refresh_last_tee_time(TournamentHeader& header) {
  if (shotgun(header.start_type)) return;
  if (auto last = last_tee_time(tee_plan_of(header))) {
    header.last_tee_hour = static_cast<std::int8_t>(last->hour);
    header.last_tee_minute = static_cast<std::int8_t>(last->minute);
  }
}

std::optional<TimeOfDay> last_tee_time(const TeePlan& plan) {
  if (plan.start_type == static_cast<int>(StartType::shotgun)) return plan.first;
  if (plan.start_type == static_cast<int>(StartType::double_shotgun)) return plan.second_shotgun;
  if (plan.groups < 1 || plan.groups > 800 || plan.first.hour == 0) return std::nullopt;
  int interval = tee_interval_seconds(plan.interval_index);
  TeeClock clock{plan.first.hour, plan.first.minute, 0};
  for (int k = plan.groups - 1; k > 0;) {
    if (adds_on_step(plan.start_type, k)) clock.add(interval);
    clock.carry_minutes();
    if (outside_blocked(clock, plan.blocked_from, plan.blocked_to)) {
      --k;
    } else if (interval == 0) {
      break;  // no interval can leave the blocked window
    } else {
      clock.minute += interval / 60;
      clock.seconds += interval % 60;
    }
  }
  clock.carry_minutes();
  return TimeOfDay{clock.hour, clock.minute};
}

std::string shotgun_hole_of_group(const TournamentHeader& header, int group, int hole_count) {
  const std::int8_t* allocation = header.shotgun_groups_per_hole;
  if (header.start_type == static_cast<int>(StartType::double_shotgun) && group > header.first_shotgun_groups) {
    allocation = header.shotgun2_groups_per_hole;
    group -= header.first_shotgun_groups;
  }
  int holes = hole_count < 1 ? 1 : (hole_count > 18 ? 18 : hole_count);
  int per_time = header.groups_per_tee_time > 0 ? header.groups_per_tee_time : 1;
  int position = group;
  for (int h = 1; h <= holes; ++h) {
    int places = allocation[h - 1] * per_time;
    if (position <= places || h == holes) {
      // Past the last allocated place the group stays on the last hole.
      int letter = position < 1 ? 0 : (position > 26 ? 25 : position - 1);
      return format_text(8, "%d%c", h, 'A' + letter);
    }
    position -= places;
  }
  return "";
}

std::string shotgun_hole_of_group(State& state, int group) {
  return shotgun_hole_of_group(state.header, group, course_holes_of_division1(state));
}

std::string group_start_text(State& state, int group) {
  if (shotgun(state.header.start_type)) return shotgun_hole_of_group(state, group);
  return tee_time_of_group(state.header, group);
}

}  // namespace quillon
