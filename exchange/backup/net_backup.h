#pragma once
// The club's backup on the maker's FTP server ("tdb/<club id>.bkp"): the
// upload after "Save to Tolvane Web Server" and the download of the
// "Tolvane Web Server" restore, through the FTP session opener.
#include "exchange/backup/backup_server.h"

namespace quillon {

inline constexpr const char* uploading_status = "Uploading the backup to the Cuplink Network...";
inline constexpr const char* downloading_status = "Downloading the backup from the Cuplink Network...";

// The server's name for the checksum file of a backup ("tdb/lake01.bkp.sha256").
std::string checksum_remote_name(const std::string& remote_name);

class NetworkBackupServer : public BackupServer {
 public:
  // Puts the backup and then its checksum file (when it lies beside it); each
  // put is checked by asking the server for the size of what it stored.
  Status upload(State& state, const std::filesystem::path& local, const std::string& remote_name) override;
  // The file appears at `destination` only when the whole of it arrived; until
  // then an earlier copy there stays. The checksum file follows when the server
  // has one.
  Status download(State& state, const std::string& remote_name, const std::filesystem::path& destination) override;
};

// The server the backup commands use: the network when the home folder holds
// "network.ini", otherwise NetworkServicesNotSetUp (so a home folder without
// the file, as every test's is, never reaches for the maker's hosts).
class ConfiguredBackupServer : public BackupServer {
 public:
  Status upload(State& state, const std::filesystem::path& local, const std::string& remote_name) override;
  Status download(State& state, const std::string& remote_name, const std::filesystem::path& destination) override;

 private:
  BackupServer& chosen(const State& state);

  NetworkBackupServer network_;
  NetworkServicesNotSetUp not_set_up_;
};

}  // namespace quillon
