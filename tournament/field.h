#pragma once
// The field of the current tournament: its groups of golfer entries, their
// count and growth, and the division a handicap belongs to.
#include <string>

#include "core/records/course_record.h"
#include "core/result.h"

namespace quillon {

struct State;

// Named golfers in groups 1..group_count of the current tournament. Fails,
// told, when a group could not be read.
[[nodiscard]] Result<int> count_golfers(State& state);

// The most groups a tournament can hold with a group size: 800 golfers, and
// no more than the one-byte group count can record.
int max_group_count(int group_size);

// Whether group g can exist with the current group size.
bool group_fits(const State& state, int group);
// The same, telling the user when the 800 golfers would allow the group but
// the one-byte group count cannot record it (800 groups of 1, say); a group
// beyond 800 golfers is refused without a word.
bool group_fits_telling(State& state, int group);

// Brings groups group_count+1..group into use: writes them empty, raises
// group_count and writes the header. False when the group does not fit or a
// write failed.
bool grow_groups_to(State& state, int group);

// Zeroes all 800 golfer entries of tournament `slot`, which becomes the
// current tournament; the header buffer and the group buffer are kept.
[[nodiscard]] bool clear_golfer_area(State& state, int slot);

// The division for a handicap index (tenths) on a tee (course slot) for a
// gender: the first division 1..n-1 whose limit the value does not exceed,
// else n. With automatic assignment by course handicap the value compared is
// ten times the course handicap on that tee, read from the database (the
// course buffer is left alone). Fails, told, when that read failed.
[[nodiscard]] Result<int> assign_division(State& state, int index_tenths, int tee_slot, char gender);

// The tee of a division of the current tournament (division 1 when out of range).
int tee_of_division(const State& state, int division);
// The tee record of a division of the current tournament, or `fallback` when
// it cannot be read (told and counted in State::told_read_failures). The
// course buffer is left as it was.
CourseRecord division_tee(State& state, int division, const CourseRecord& fallback = {});

// The gender stored in an entry, the tournament default for anything but M or F.
char entry_gender(const State& state, char stored);
// The same with the tournament's `default_gender` given.
char entry_gender(char stored, char tournament_default);

}  // namespace quillon
