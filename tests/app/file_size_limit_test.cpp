// The programs under a file-size limit: a write past it is reported like any
// failed write instead of ending the program halfway.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/testing/test_home.h"

namespace quillon::testing {
namespace {

TEST(FileSizeLimit, ACommandLineRunPastTheLimitReportsTheFailureAndLeavesNoDatabase) {
  TestHome home;
  const std::filesystem::path messages = home.path().parent_path() / (home.path().filename().string() + ".err");
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const int err = ::open(messages.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (err < 0 || ::dup2(err, STDERR_FILENO) < 0) _exit(126);
    constexpr rlim_t limit_bytes = 4096;  // far below a new database
    const rlimit limit{limit_bytes, limit_bytes};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(126);
    ::execl(QUILLON_CLI, "quillon-cli", "--home", home.path().c_str(), "init", static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 1);

  std::ifstream in(messages);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(),
            "Quillon - Error: The Quillon database could not be written (write: File too large).\n\n"
            "The last change was NOT saved.\n"
            "Quillon - Error: Error Opening Quillon database\n");
  EXPECT_FALSE(std::filesystem::exists(home.path() / "qlwin4.dat"));
  std::filesystem::remove(messages);
}

}  // namespace
}  // namespace quillon::testing
