#pragma once
// quillon-cli serve: the clubhouse board without a window.
#include <filesystem>
#include <ostream>

#include "cli/options.h"

namespace quillon::cli {

// Serves the board of the chosen (or remembered) tournament until SIGINT or
// SIGTERM, writing one line per request to `err`. Returns the exit status:
// 0 after a clean stop, 1 when the board could not start, 2 on bad usage.
int serve_board(const Options& options, const std::filesystem::path& home, std::ostream& err);

}  // namespace quillon::cli
