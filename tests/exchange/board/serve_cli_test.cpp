// quillon-cli serve: the board without a window, ended by a signal.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <thread>

#include "app/demo.h"
#include "tests/exchange/board/board_client.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {
namespace {

// Starts quillon-cli with its standard error going to a file; returns the process.
pid_t start_cli(const std::vector<std::string>& args, const std::filesystem::path& err) {
  pid_t child = fork();
  if (child == 0) {
    if (!freopen(err.c_str(), "w", stderr)) _exit(126);
    std::vector<char*> argv{const_cast<char*>(QUILLON_CLI)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(QUILLON_CLI, argv.data());
    _exit(127);
  }
  return child;
}

int exit_status(pid_t child) {
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ServeCommand, ServesUntilSigtermLoggingEveryRequest) {
  TestHome home;
  ASSERT_TRUE(prepare_demo_home(home.path(), home.clock));
  const int port = free_loopback_port();
  const auto err = home.path() / "serve.err";
  pid_t server = start_cli(
      {"--home", home.path().string(), "serve", "--listen", "127.0.0.1:" + std::to_string(port), "--tournament", "2"},
      err);
  HttpReply reply;
  for (int i = 0; i < 200 && reply.status != 200; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    reply = http_request(port, "GET", "/api/board.json");
  }
  EXPECT_EQ(reply.status, 200);
  EXPECT_NE(reply.body.find("\"name\":\"Spring Stableford\""), std::string::npos);
  EXPECT_EQ(raw_exchange(port, "BREW /coffee HTCPCP/1.0\r\n\r\n").substr(0, 12), "HTTP/1.1 400");
  kill(server, SIGTERM);
  EXPECT_EQ(exit_status(server), 0);
  const std::string log = read_file(err);
  EXPECT_NE(log.find("Clubhouse board of tournament 2 at http://127.0.0.1:" + std::to_string(port) + "/\n"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("127.0.0.1 GET /api/board.json 200 "), std::string::npos) << log;
  EXPECT_NE(log.find("127.0.0.1 malformed request ("), std::string::npos) << log;
  EXPECT_NE(log.find("signal 15: the board stops\nClubhouse board stopped\n"), std::string::npos) << log;
  EXPECT_EQ(read_file(home.path() / "board.cfg"),
            "address = 127.0.0.1\nport = " + std::to_string(port) + "\ntournament = 2\n");
}

TEST(ServeCommand, RefusesWhatItCannotServe) {
  TestHome home;
  ASSERT_TRUE(prepare_demo_home(home.path(), home.clock));
  const auto err = home.path() / "serve.err";
  const std::string folder = home.path().string();
  EXPECT_EQ(exit_status(start_cli({"--home", folder, "serve", "--listen", "127.0.0.1:1"}, err)), 2);
  EXPECT_EQ(read_file(err), "quillon-cli: choose the tournament to show with --tournament N\n");
  EXPECT_EQ(exit_status(start_cli({"--home", folder, "serve", "--listen", "localhost:80", "--tournament", "1"}, err)),
            2);
  EXPECT_EQ(
      exit_status(start_cli({"--home", folder, "serve", "--listen", "127.0.0.1:8080", "--tournament", "40"}, err)), 1);
  EXPECT_EQ(read_file(err), "quillon-cli: There is no tournament 40 to show\n");
  EXPECT_EQ(exit_status(start_cli({"--home", folder, "--listen", "127.0.0.1:8080", "1607"}, err)), 2);
}

}  // namespace
}  // namespace quillon::testing
