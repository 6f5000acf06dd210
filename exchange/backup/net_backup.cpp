#include "exchange/backup/net_backup.h"

#include "core/state.h"
#include "exchange/backup/checksum_file.h"
#include "exchange/network/net_client.h"
#include "exchange/network/net_club_id.h"
#include "exchange/network/net_session.h"

namespace quillon {

namespace {

namespace fs = std::filesystem;

constexpr const char* backup_title = "Database Backup";
constexpr const char* restore_title = "Database Restore";
constexpr const char* upload_blocked =
    "ERR : The upload of data to the Cuplink Network is being blocked by firewall or antivirus software on this "
    "computer.";
constexpr const char* download_blocked =
    "ERR : The download of data from the Cuplink Network is being blocked by firewall or antivirus software on this "
    "computer.";
constexpr const char* connecting_status = "Connecting to the Cuplink Network...";
constexpr const char* backup_not_found = "ERR : The backup file could not be located on the Cuplink Network.";

// Puts a file and checks that the server holds all of it.
Status put_checked(FtpSession& ftp, const fs::path& local, const std::string& remote_name, const char* what) {
  Status sent = ftp.put(local, remote_name);
  if (!sent) return sent;
  Result<std::int64_t> stored = ftp.size(remote_name);
  if (!stored) return stored.status();
  std::error_code ec;
  auto expected = fs::file_size(local, ec);
  if (ec || *stored != static_cast<std::int64_t>(expected))
    return Status::failed("The server holds " + std::to_string(*stored) + " bytes of the " +
                          std::to_string(expected) + "-byte " + what + ".");
  return Status::ok();
}

}  // namespace

std::string checksum_remote_name(const std::string& remote_name) { return remote_name + ".sha256"; }

Status NetworkBackupServer::upload(State& state, const fs::path& local, const std::string& remote_name) {
  if (usable_club_id(state).empty()) return Status::told();
  std::error_code ec;
  if (!fs::is_regular_file(local, ec))
    return Status::failed("The backup file \"" + local.string() +
                          "\" is not there.  Make the backup with 'Save to Tolvane Web Server' first.");
  NetworkActivity activity(state, backup_title);
  InternetSession internet;
  if (!open_internet(state, internet, activity, connecting_status)) return Status::told();
  auto ftp = open_ftp_session(state, internet);
  if (!ftp) return Status::told();
  activity.set_status(uploading_status);
  Status sent = put_checked(*ftp, local, remote_name, "backup");
  // The checksum file follows the backup, as it does on a local device.
  fs::path checksum = checksum_path_for(local);
  if (sent && fs::is_regular_file(checksum, ec))
    sent = put_checked(*ftp, checksum, checksum_remote_name(remote_name), "checksum file");
  if (!sent) return Status::failed(with_reason(upload_blocked, sent));
  return Status::ok();
}

Status NetworkBackupServer::download(State& state, const std::string& remote_name, const fs::path& destination) {
  if (usable_club_id(state).empty()) return Status::told();
  NetworkActivity activity(state, restore_title);
  InternetSession internet;
  if (!open_internet(state, internet, activity, connecting_status)) return Status::told();
  auto ftp = open_ftp_session(state, internet);
  if (!ftp) return Status::told();
  activity.set_status(downloading_status);
  // The file at `destination` is replaced only once the new one has arrived whole.
  Status fetched = ftp->get(remote_name, destination, activity.activity());
  if (!fetched) {
    if (ftp->last_failure() == NetFailure::not_found) return Status::failed(backup_not_found);
    return Status::failed(with_reason(download_blocked, fetched));
  }
  // The checksum file, when the server has one; a local one left from an
  // earlier download belongs to the earlier backup.
  fs::path checksum = checksum_path_for(destination);
  std::error_code ec;
  fs::remove(checksum, ec);
  Status proof = ftp->get(checksum_remote_name(remote_name), checksum, activity.activity());
  if (proof || ftp->last_failure() == NetFailure::not_found) return Status::ok();
  return Status::failed(with_reason(download_blocked, proof));
}

BackupServer& ConfiguredBackupServer::chosen(const State& state) {
  std::error_code ec;
  if (fs::exists(state.file(network_settings_name), ec)) return network_;
  return not_set_up_;
}

Status ConfiguredBackupServer::upload(State& state, const fs::path& local, const std::string& remote_name) {
  return chosen(state).upload(state, local, remote_name);
}

Status ConfiguredBackupServer::download(State& state, const std::string& remote_name, const fs::path& destination) {
  return chosen(state).download(state, remote_name, destination);
}

}  // namespace quillon
