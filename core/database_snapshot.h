#pragma once
// The snapshot "qlwin4db.sav" taken before operations that move tournament
// blocks, and the way back to it when such an operation fails half-way.
#include <cstdint>

#include "core/state.h"
#include "core/status.h"

namespace quillon {

inline constexpr const char* snapshot_name = "qlwin4db.sav";

// A byte copy of the database file as it is now.
Status take_snapshot(State& state);

// Writes the snapshot back into the open file, in place (the file keeps its
// identity for other openers), and cuts it to the snapshot's length. Writing
// over bytes the file already holds needs no new disk space.
Status restore_from_snapshot(State& state);

}  // namespace quillon
