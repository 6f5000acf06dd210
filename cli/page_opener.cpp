#include "cli/page_opener.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

extern char** environ;

namespace quillon::cli {

namespace {

// How long the opener is watched for a failure before it counts as started:
// an opener that finds no desktop ends at once, one that opens a browser may
// run as long as the browser does.
constexpr auto watch_time = std::chrono::seconds(3);
constexpr auto watch_step = std::chrono::milliseconds(20);

}  // namespace

bool start_opener(const std::string& location, const std::string& opener) {
  posix_spawn_file_actions_t actions;
  if (posix_spawn_file_actions_init(&actions) != 0) return false;
  // The opener's own chatter stays off quillon-cli's output.
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::string program = opener;
  std::string argument = location;
  char* argv[] = {program.data(), argument.data(), nullptr};
  pid_t pid = 0;
  int spawned = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return false;
  const auto until = std::chrono::steady_clock::now() + watch_time;
  while (std::chrono::steady_clock::now() < until) {
    int status = 0;
    pid_t ended = waitpid(pid, &status, WNOHANG);
    if (ended == pid) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (ended < 0) return false;
    std::this_thread::sleep_for(watch_step);
  }
  return true;  // still running: it is showing the page
}

}  // namespace quillon::cli
