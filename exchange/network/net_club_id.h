#pragma once
// The Internet Club ID goes into local file names, server paths and query
// strings, so it may hold only letters, digits, '-' and '_'.
#include <string>

namespace quillon {

struct State;

inline constexpr std::size_t club_id_limit = 15;

bool valid_club_id(const std::string& id);
// The stored Club ID; empty when none is stored.
std::string stored_club_id(const State& state);
// The stored Club ID when it is usable; otherwise tells the user and gives "".
std::string usable_club_id(State& state);

}  // namespace quillon
