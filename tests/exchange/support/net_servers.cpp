#include "tests/exchange/support/net_servers.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace quillon::testing {

LoopbackServers::LoopbackServers(std::vector<std::string> extra_arguments) {
  std::string tmpl = (std::filesystem::temp_directory_path() / "quillon-servers-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot make the server root");
  root_ = tmpl;
  for (const char* folder : {"update/ql", "hdb", "tdb/tmess"}) std::filesystem::create_directories(root_ / folder);

  int out[2];
  if (pipe(out) != 0) throw std::runtime_error("pipe");
  std::string script = std::string(QUILLON_SOURCE_DIR) + "/tests/servers/quillon_servers.py";
  std::vector<std::string> args = {"/usr/bin/python3", script, "--root", root_.string()};
  args.insert(args.end(), extra_arguments.begin(), extra_arguments.end());
  pid_ = fork();
  if (pid_ == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(out[1]);
  std::string line;
  char c;
  while (read(out[0], &c, 1) == 1 && c != '\n') line += c;
  close(out[0]);
  if (std::sscanf(line.c_str(), "READY %d %d", &ftp_port_, &http_port_) != 2)
    throw std::runtime_error("the test servers did not start: " + line);
}

LoopbackServers::~LoopbackServers() {
  kill_now();
  std::error_code ec;
  std::filesystem::remove_all(root_, ec);
}

void LoopbackServers::kill_now() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

void LoopbackServers::configure(const std::filesystem::path& home, const std::string& extra_lines) const {
  std::ofstream ini(home / "network.ini");
  ini << "ftp_host = 127.0.0.1\n"
      << "ftp_port = " << ftp_port_ << "\n"
      << "web_url = http://127.0.0.1:" << http_port_ << "\n"
      << "ftps = try\n"
      << "timeout = 5\n"
      << extra_lines;
}

void LoopbackServers::put_file(const std::string& relative, const std::string& bytes) const {
  std::filesystem::path path = root_ / relative;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string LoopbackServers::file(const std::string& relative) const {
  std::ifstream in(root_ / relative, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void LoopbackServers::set_switch(const std::string& name) const { put_file("." + name, ""); }

}  // namespace quillon::testing
