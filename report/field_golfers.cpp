#include "report/field_golfers.h"

#include "core/database.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "core/text.h"
#include "handicap/course_handicap.h"
#include "tournament/field.h"
#include "tournament/tee_times.h"

namespace quillon {

namespace {

int usable_group_size(const State& state) { return group_size_of(state.header); }

}  // namespace

std::vector<FieldGolfer> named_golfers(State& state) {
  std::vector<FieldGolfer> golfers;
  int size = usable_group_size(state);
  for (int g = 1; g <= state.header.group_count; ++g) {
    // A failed read is told and counted: the report that asked drops its page.
    (void)read_record(state, RecordKind::group, g);
    for (int i = 0; i < size; ++i)
      if (state.group.entries[i].name[0] != 0) golfers.push_back({g, state.group.entries[i]});
  }
  return golfers;
}

std::vector<std::vector<GolferEntry>> field_groups(State& state) {
  std::vector<std::vector<GolferEntry>> groups;
  int size = usable_group_size(state);
  for (int g = 1; g <= state.header.group_count; ++g) {
    // A failed read is told and counted: the report that asked drops its page.
    (void)read_record(state, RecordKind::group, g);
    groups.emplace_back(state.group.entries, state.group.entries + size);
  }
  return groups;
}

FieldDivisionTees::FieldDivisionTees(State& state) {
  for (int d = 1; d <= 10; ++d) {
    int tee = tee_of_division(state, d);
    if (tee < 1) continue;  // no tee chosen: an empty record
    // A failed read is told and counted: the report that asked drops its page.
    (void)read_record(state, RecordKind::course, tee);
    tees_[d - 1] = state.course;
  }
}

const CourseRecord& FieldDivisionTees::of(int division) const {
  return tees_[division >= 1 && division <= 10 ? division - 1 : 0];
}

std::string index_column_text(int tenths) {
  if (tenths < 0) return format_text(16, "+%3.1f", -tenths / 10.0);
  return format_text(16, "%4.1f", tenths / 10.0);
}

int report_course_handicap(const State& state, const FieldDivisionTees& tees, const GolferEntry& golfer) {
  return golfer_course_handicap(state.header, tees.of(golfer.division), golfer.handicap_index,
                                entry_gender(state, golfer.gender), golfer.division);
}

std::string group_start(State& state, int group) { return trimmed(group_start_text(state, group)); }

}  // namespace quillon
