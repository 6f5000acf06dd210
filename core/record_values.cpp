#include "core/record_values.h"

#include <cstring>

#include "core/database.h"
#include "core/messages.h"
#include "core/state.h"

namespace quillon {

namespace {

// Reads `size` bytes at `offset` into a zeroed record.
template <typename Record>
Result<Record> load(const State& state, std::int64_t offset, std::size_t size) {
  Record record;
  std::memset(&record, 0, sizeof record);
  state.db.clear_read_failure();
  state.db.read_at(offset, &record, size);
  if (state.db.read_failed())
    return Status::failed("The Quillon database could not be read (" + state.db.read_error() + ").");
  return record;
}

template <typename Record>
Record empty() {
  Record record;
  std::memset(&record, 0, sizeof record);
  return record;
}

}  // namespace

Result<CourseRecord> load_course(const State& state, int slot) {
  if (slot < 1) return empty<CourseRecord>();
  return load<CourseRecord>(state, course_offset(slot), sizeof(CourseRecord));
}

Result<TournamentHeader> load_header(const State& state, int tournament) {
  if (tournament < 1) return empty<TournamentHeader>();
  return load<TournamentHeader>(state, tournament_offset(state, tournament), sizeof(TournamentHeader));
}

Result<GroupBuffer> load_group(const State& state, int tournament, const TournamentHeader& header, int group) {
  int g = header.group_size;
  // A group beyond the 800 entries would read the next tournament's data.
  if (tournament < 1 || group < 1 || g < 1 || g > max_group_size || g * group > golfers_per_tournament)
    return empty<GroupBuffer>();
  return load<GroupBuffer>(state, group_offset(state, tournament, group, g),
                           static_cast<std::size_t>(g) * golfer_entry_size);
}

Status tell_read_failure(State& state, const Status& failure) {
  if (!failure.needs_telling()) return failure;
  error_box(state, "%s", failure.reason().c_str());
  ++state.told_read_failures;
  return Status::told();
}

}  // namespace quillon
