#pragma once
// The loopback reference servers (tests/servers/quillon_servers.py) for one
// test: started on free ports with a fresh root folder, stopped at the end.
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace quillon::testing {

inline constexpr const char* test_ftp_password = "Tv7-pq2Lm9";

class LoopbackServers {
 public:
  explicit LoopbackServers(std::vector<std::string> extra_arguments = {});
  ~LoopbackServers();
  LoopbackServers(const LoopbackServers&) = delete;
  LoopbackServers& operator=(const LoopbackServers&) = delete;

  const std::filesystem::path& root() const { return root_; }
  int ftp_port() const { return ftp_port_; }
  int http_port() const { return http_port_; }
  // Writes "network.ini" into a home folder, pointing at these servers.
  void configure(const std::filesystem::path& home, const std::string& extra_lines = "") const;
  // Writes a file under the root folder, making its folders.
  void put_file(const std::string& relative, const std::string& bytes) const;
  std::string file(const std::string& relative) const;
  // Turns on one of the servers' fault switches (".cgi_fail", ...).
  void set_switch(const std::string& name) const;
  // Kills the server process at once, as a dropped connection.
  void kill_now();

 private:
  std::filesystem::path root_;
  pid_t pid_ = -1;
  int ftp_port_ = 0;
  int http_port_ = 0;
};

}  // namespace quillon::testing
