#pragma once
// quillon-cli: runs Quillon's commands without a window, answering every
// question from the command line.
#include <iosfwd>
#include <string>
#include <vector>

namespace quillon::cli {

// Runs the command line (without the program name); returns the exit status.
// Pages and field lists go to `out`, messages and problems to `err`.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quillon::cli
