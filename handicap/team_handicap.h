#pragma once
// The Ambrose team handicap, kept in the group's first entry: worked out by the
// results engine and by every window that changes the members or their indexes.
#include "core/records/golfer_entry.h"

namespace quillon {

// The team handicap in whole strokes: the mean of the named members' indexes
// (tenths, truncated), rounded half away from zero. 0 for a group without names.
int ambrose_team_handicap(const GroupBuffer& group, int group_size);

}  // namespace quillon
