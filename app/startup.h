#pragma once
#include <string>
#include <vector>

#include "core/state.h"
#include "core/status.h"

namespace quillon {

// The start-up words of the command line.
struct StartupWords {
  bool force_update_message = false;  // "FUP"
  bool recalc = false;  // "RECALC"
};
// Words longer than 99 characters are not start-up words and are ignored.
StartupWords parse_startup_words(const std::vector<std::string>& words);

// The whole start-up sequence on the home folder. Returns false when the
// program must end, with its exit status in `exit_code`: the database could
// not be opened, or a start-up step could not write it (the user has been told).
bool run_startup(State& state, const StartupWords& words, int& exit_code);

// The steps keyed on the stored build date (exposed for tests).
[[nodiscard]] Status run_upgrade_steps(State& state);
// The check of the updater's marker file "ql_update.dat".
void check_update_marker(State& state);

}  // namespace quillon
