#pragma once
// Runs quillon-cli's entry point in a test home on the test's fixed day.
#include <sstream>
#include <string>
#include <vector>

#include "cli/runner.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {

struct CliRun {
  int status;
  std::string out, err;
};

inline CliRun cli(const TestHome& home, std::vector<std::string> args) {
  args.insert(args.begin(), {"--home", home.path().string(), "--today", "2026-12-07"});
  std::ostringstream out, err;
  int status = cli::run(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace quillon::testing
