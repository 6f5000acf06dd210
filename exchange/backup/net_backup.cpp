#include "exchange/backup/net_backup.h"

#include "core/state.h"
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

}  // namespace

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
  Status sent = ftp->put(local, remote_name);
  if (sent) {
    Result<std::int64_t> stored = ftp->size(remote_name);
    auto expected = fs::file_size(local, ec);
    if (!stored) sent = stored.status();
    else if (ec || *stored != static_cast<std::int64_t>(expected))
      sent = Status::failed("The server holds " + std::to_string(*stored) + " bytes of the " +
                            std::to_string(expected) + "-byte backup.");
  }
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
  Status fetched = ftp->get(remote_name, destination, activity.activity());
  if (fetched) return Status::ok();
  if (ftp->last_failure() == NetFailure::not_found) return Status::failed(backup_not_found);
  return Status::failed(with_reason(download_blocked, fetched));
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
