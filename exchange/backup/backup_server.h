#pragma once
// The club's backup on the maker's file server ("tdb/<club id>.bkp").
// NetworkBackupServer (exchange/net_backup.h) talks to the server;
// NetworkServicesNotSetUp says that there is none configured and changes
// nothing.
#include <filesystem>
#include <memory>
#include <string>

#include "core/status.h"

namespace quillon {

struct State;

class BackupServer {
 public:
  virtual ~BackupServer() = default;
  // Puts the local backup file on the server under `remote_name`, and its
  // checksum file ("<local>.sha256") beside it when there is one.
  [[nodiscard]] virtual Status upload(State& state, const std::filesystem::path& local,
                                      const std::string& remote_name) = 0;
  // Gets `remote_name` from the server into `destination` (an earlier file
  // there stays until the new one is whole), and its checksum file into
  // "<destination>.sha256" when the server has one.
  [[nodiscard]] virtual Status download(State& state, const std::string& remote_name,
                                        const std::filesystem::path& destination) = 0;
};

class NetworkServicesNotSetUp : public BackupServer {
 public:
  Status upload(State& state, const std::filesystem::path& local, const std::string& remote_name) override;
  Status download(State& state, const std::string& remote_name, const std::filesystem::path& destination) override;
};

inline constexpr const char* network_not_set_up_text =
    "The Tolvane network services are not set up: the home folder holds no network.ini, so nothing was sent "
    "to or fetched from the Tolvane Web Server.";

// The server's name for a club's backup.
std::string remote_backup_name(const std::string& club_id);

}  // namespace quillon
