#pragma once
// Runs a change in a child process that kills itself (SIGKILL) at a given
// step of its database commit, as a crash or a killed program would, so that
// a test can look at what the next start finds.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/database.h"
#include "core/state.h"

namespace quillon::testing {

// True when the child was killed, false when `change` ran to its end.
inline bool killed_at_commit_step(State& state, int step, const std::function<void()>& change) {
  const pid_t child = ::fork();
  if (child == 0) {
    // An open file of its own: a lock on the parent's would outlive the child.
    if (!open_database(state)) ::_exit(3);
    state.db.crash_at_step(step);
    change();
    ::_exit(0);
  }
  int status = 0;
  EXPECT_EQ(::waitpid(child, &status, 0), child);
  if (WIFSIGNALED(status)) {
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    return true;
  }
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  return false;
}

inline std::string whole_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void put_whole_file(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The database as the next start finds it: opened (which rolls back what a
// killed run left) and read whole.
inline std::string database_after_restart(const std::filesystem::path& home) {
  DatabaseFile next;
  EXPECT_TRUE(next.open(home / "qlwin4.dat"));
  EXPECT_FALSE(std::filesystem::exists(home / "qlwin4.jnl"));
  return whole_file(home / "qlwin4.dat");
}

}  // namespace quillon::testing
