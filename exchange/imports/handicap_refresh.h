#pragma once
// "Refresh Imported Handicaps" (command 1410): brings the indexes of the
// members in the current tournament up to date from the import source.
#include <string>
#include <vector>

#include "core/status.h"

namespace quillon {

struct State;

struct SourceMember {
  std::string name;
  std::string member_id;  // empty when the source has none
  int index = 0;
};

struct RefreshCounts {
  int members_found = 0;  // golfers with a name and the member flag
  int matched = 0;
  int changed = 0;
};

// Matches the members of the current tournament with the source's members:
// by member ID when both have one, else by name (the same characters). The
// first matching source member counts; a golfer without an ID takes the
// source's. Changed groups are written at once. False when a write failed.
bool refresh_from_members(State& state, const std::vector<SourceMember>& members, bool store_ids,
                          RefreshCounts& counts);

// The members of the Ravelin database (every member record, the index
// converted by the member's own flight), after the course-handicap warning.
bool ravelin_source_members(State& state, std::vector<SourceMember>& members);

Status refresh_imported_handicaps(State& state);

}  // namespace quillon
