#pragma once
// The Ambrose team: one card in the group's first entry, played off the mean
// of the members' handicap indexes.
#include "core/records/golfer_entry.h"

namespace quillon {

// The team handicap in whole strokes: the mean of the named members' indexes
// (tenths, truncated), rounded half away from zero. 0 for a group without names.
// `group_size` is the header's as group_size_of reads it.
int ambrose_team_handicap(const GroupBuffer& group, int group_size);

// Stores the team gross (the first entry's 18 hole scores), the team
// handicap and the team net into the group's first entry.
void score_ambrose(GroupBuffer& group, int group_size);

}  // namespace quillon
