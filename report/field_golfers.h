#pragma once
// The field of the current tournament as the reports read it: its groups in
// tee-time order, the tee of each division and the handicap texts shown.
#include <array>
#include <string>
#include <vector>

#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"

namespace quillon {

struct State;

struct FieldGolfer {
  int group = 0;
  GolferEntry entry{};
};

// A record these read that cannot be read is told and counted in
// State::told_read_failures, and reads as empty: the report that asked
// (run_report, or a print command) then makes nothing.

// Every golfer with a name in groups 1..group_count, in group order.
std::vector<FieldGolfer> named_golfers(State& state);

// Every group 1..group_count with its `group_size` entries, vacancies included.
std::vector<std::vector<GolferEntry>> field_groups(State& state);

// The course/tee record of each division of the current tournament, read once.
class FieldDivisionTees {
 public:
  explicit FieldDivisionTees(State& state);
  // Division 1's tee for a division outside 1..10.
  const CourseRecord& of(int division) const;

 private:
  std::array<CourseRecord, 10> tees_{};
};

// An index in tenths as the reports print it: "%4.1f", a plus index "+%3.1f".
std::string index_column_text(int tenths);

// The golfer's course handicap on the division's tee, for the golfer's gender.
int report_course_handicap(const State& state, const FieldDivisionTees& tees, const GolferEntry& golfer);

// The start of a group as the reports print it: the shotgun label for a
// shotgun start, else the tee time (without its leading blank).
std::string group_start(State& state, int group);

}  // namespace quillon
