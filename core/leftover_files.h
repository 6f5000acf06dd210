#pragma once
// Work files that a run killed half-way leaves in the home folder: the image
// of a backup being verified ("qlwin4.exp"), the unpacked stream of a restore
// ("qlwin4db.ql$") and unfinished downloads and workbooks (names ending in
// ".part"), and the database's replacement that a killed restore left
// (".qlwin4.dat.XXXXXX", see AtomicFile). Each is rebuilt
// from scratch by the operation that uses it, so one found at start-up is
// only clutter (a large one, often).
#include <string>
#include <vector>

#include "core/state.h"

namespace quillon {

// The names of the work files in the home folder that are there now.
std::vector<std::string> leftover_work_files(const State& state);

// Removes them (the temporaries only when no live writer claims them), the
// work files under the database lock so that a run busy with one of them
// in another process is waited for. Returns the names removed.
std::vector<std::string> remove_leftover_work_files(State& state);

}  // namespace quillon
