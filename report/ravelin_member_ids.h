#pragma once
// Member identifiers of the Ravelin handicap database, by golfer name.
#include <map>
#include <optional>
#include <string>

namespace quillon {

struct State;
class RavelinReader;

using MemberIds = std::map<std::string, std::string>;

// The name a Ravelin member is known by here: "last, first" ("last" alone
// without a first name), cut to 25 characters.
std::string ravelin_member_name(const RavelinReader& reader);

// Reads every member of the Ravelin database at `state.ravelin_path` (in the
// home folder when relative). Empty slots ("ZZZZZZZZZZ" or no last name) are
// skipped. Nothing, after telling the user, when the database cannot be
// opened or is not of this program's version.
std::optional<MemberIds> ravelin_member_ids(State& state);

}  // namespace quillon
