#pragma once
// The Parlink Network as a golfer source: the club's member list downloaded
// into club + ".hdx" and turned into golfer entries for the import window,
// and into (name, ID, index) for the handicap refresh.
#include <string>
#include <vector>

#include "core/status.h"
#include "exchange/imports/golfer_sources.h"
#include "exchange/imports/handicap_refresh.h"
#include "exchange/network/parlink_members.h"

namespace quillon {

// A member of the list as a golfer entry: name, member ID, gender (the
// tournament's default when the list gives neither 'M' nor 'F'), the index
// for a course of `course_holes` holes, the member flag and division 1.
GolferEntry parlink_entry(const State& state, const ParlinkMember& member, int course_holes);

// Downloads the course data and the member list and lists the members. A list
// that is not whole (its closing count missing or different) lists nothing
// and says so. Status::told() after the user has been told.
Status list_parlink_members(State& state, HoldingList& holding, const std::vector<std::string>& tournament_names);

// The refresh's members: asks whether to download the club's data again
// (then the courses are imported as well), then reads the member list. On a
// 9-hole course it asks whether the indexes are 18-hole ones and halves them
// on Yes. Status::told() after the user has been told.
Status parlink_refresh_members(State& state, std::vector<SourceMember>& members);

}  // namespace quillon
