#pragma once
// The Ambrose team: one card in the group's first entry, played off the mean
// of the members' handicap indexes.
#include "core/records/golfer_entry.h"
#include "handicap/team_handicap.h"

namespace quillon {

// Stores the team gross (the first entry's 18 hole scores), the team
// handicap and the team net into the group's first entry.
void score_ambrose(GroupBuffer& group, int group_size);

}  // namespace quillon
