#include "exchange/backup/backup.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <vector>

#include "core/atomic_file.h"
#include "core/build_info.h"
#include "core/cp1252.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/text.h"
#include "exchange/backup/backup_dialogs.h"
#include "exchange/backup/backup_server.h"
#include "exchange/backup/backup_writer.h"
#include "exchange/backup/checksum_file.h"
#include "exchange/backup/write_limit.h"
#include "exchange/network/net_settings.h"

namespace quillon {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t copy_size = 1 << 20;
constexpr const char* not_completed = "The requested backup was NOT successfully completed.";

// Removes a file; false when it is still there afterwards.
bool remove_file(const fs::path& path) {
  std::error_code ec;
  fs::remove(path, ec);
  return !fs::exists(fs::symlink_status(path, ec));
}

// The packed working file of earlier versions ("qlwin4.dbb", or the club's)
// goes when a backup ends, whatever its outcome.
class WorkingFilesRemoved {
 public:
  explicit WorkingFilesRemoved(State& state) : state_(state) {}
  ~WorkingFilesRemoved() {
    for (const std::string& name : {backup_base_name(state_) + ".dbb", std::string("qlwin4.dbb"),
                                    std::string(database_image_name), std::string(verification_image_name)})
      remove_file(state_.file(name));
  }
  WorkingFilesRemoved(const WorkingFilesRemoved&) = delete;
  WorkingFilesRemoved& operator=(const WorkingFilesRemoved&) = delete;

 private:
  State& state_;
};

// Copies a whole file into an AtomicFile.
Status copy_into(AtomicFile& out, const fs::path& source) {
  std::ifstream in(source, std::ios::binary);
  if (!in) return Status::failed("cannot read " + source.string());
  std::vector<char> buf(copy_size);
  while (in) {
    in.read(buf.data(), static_cast<std::streamsize>(buf.size()));
    if (in.bad()) return Status::failed("cannot read " + source.string());
    if (in.gcount() == 0) break;
    Status written = out.write(buf.data(), static_cast<std::size_t>(in.gcount()));
    if (!written) return written;
  }
  return Status::ok();
}

// The installer package travels with a backup to another folder; this copy is
// a convenience and its outcome is not reported.
void copy_installer(State& state, const fs::path& backup_folder) {
  std::error_code ec;
  if (fs::equivalent(backup_folder, state.home_folder, ec)) return;
  std::string name = fs::exists(state.file(installer_names[0]), ec) ? installer_names[0] : installer_names[1];
  fs::path source = state.file(name);
  if (!fs::exists(source, ec)) return;
  Result<AtomicFile> out = AtomicFile::create(backup_folder / name);
  if (!out) return;
  if (!copy_into(*out, source)) return;  // the uncommitted copy is removed
  if (!out->commit()) return;
}

// Writes the backup file and its checksum file, so that a backup never lies
// beside a checksum file it does not match, whenever the program stops: while
// the new backup takes the place of an earlier one, the checksum file holds
// the lines of both. An earlier backup without a checksum file is replaced
// first; a crash then leaves the new backup without one.
bool write_backup_files(State& state, const fs::path& destination) {
  // What an earlier backup to this name left when it was killed half-way.
  remove_abandoned_temporaries(destination.parent_path(), destination.filename().string());
  remove_abandoned_temporaries(destination.parent_path(), checksum_path_for(destination).filename().string());
  Result<AtomicFile> out = AtomicFile::create(destination);
  if (!out) {
    error_box(state, "Unable to open the backup file in the destination directory.  %s\n\n(%s)", not_completed,
              out.status().reason().c_str());
    return false;
  }
  BackupFailure failure;
  Result<PackedBackup> made = [&]() -> Result<PackedBackup> {
    BusyCursor busy(state);
    if (Status flushed = state.db.flush(); !flushed) return flushed;
    return write_backup_stream(state.db, *out, failure);
  }();
  if (!made) {
    const std::string why = made.status().reason();
    switch (failure.step) {
      case BackupStep::locking:
      case BackupStep::reading:
        error_box(state,
                  "An error was encountered saving an image of the database prior to compression of the data for "
                  "backup\n\n(%s)",
                  why.c_str());
        break;
      case BackupStep::verifying:
        error_box(state, "ERR_V : An error was encountered verifying the data which was compressed for backup\n\n(%s)",
                  why.c_str());
        break;
      case BackupStep::writing:
        if (failure.out_of_space)
          error_box(state,
                    "Insufficient disk space to store the backup file on the destination drive.  The requested "
                    "backup was NOT successfully completed.");
        else
          error_box(state, "The backup file %s could not be written.  %s\n\n(%s)", destination.string().c_str(),
                    not_completed, why.c_str());
        break;
    }
    return false;
  }
  fs::path checksum = checksum_path_for(destination);
  auto earlier = read_checksum_file(destination);
  std::vector<std::string> both = earlier ? *earlier : std::vector<std::string>{};
  if (both.empty()) remove_file(checksum);
  both.push_back(made->sha256);
  Status committed = Status::ok();
  bool backup_in_place = false;
  {
    BusyCursor busy(state);
    if (both.size() > 1) committed = write_checksum_file(destination, both);
    write_checkpoint();
    if (committed) committed = out->commit();
    backup_in_place = committed.is_ok();
    write_checkpoint();
    if (committed) committed = write_checksum_file(destination, {made->sha256});
  }
  if (!committed) {
    if (backup_in_place)
      error_box(state,
                "The checksum file %s could not be written.  The backup file %s is whole, but without its checksum "
                "file it cannot prove so.  %s\n\n(%s)",
                checksum.string().c_str(), destination.string().c_str(), not_completed, committed.reason().c_str());
    else
      error_box(state, "The backup file %s could not be written.  %s\n\n(%s)", destination.string().c_str(),
                not_completed, committed.reason().c_str());
    return false;
  }
  return true;
}

}  // namespace

std::string backup_base_name(const State& state) {
  std::string club = field_text(state.system.club_id);
  return club.empty() ? "qlwin4" : club;
}

std::string proposed_backup_name(int year, int month, int day) {
  return format_text(64, "%d_%s_%02d.BKP", year, month_abbrev(month), day);
}

fs::path backup_path_for(const std::string& chosen) {
  fs::path path(chosen);
  std::string name = upper_case_cp1252_letters(path.filename().string());
  const std::string extension = ".BKP";
  if (name.size() < extension.size() || name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
    name += extension;
  return path.parent_path() / name;
}

Status backup_database(State& state, BackupServer& server) {
  WorkingFilesRemoved working_files(state);
  fs::path server_copy = state.file(backup_base_name(state) + ".bkp");
  fs::path packed = state.file(backup_base_name(state) + ".dbb");
  std::optional<fs::path> locked;
  {
    BusyCursor busy(state);
    for (const fs::path& old : {server_copy, packed})
      if (!locked && !remove_file(old)) locked = old;
  }
  if (locked) {
    not_done_box(state, message_kind::information,
                 "A temporary file (%s) residing in the Ravelin home folder (%s) appears to be locked.  If "
                 "rebooting your computer does not clear the problem you will need to manually remove the file.",
                 locked->filename().string().c_str(), state.home_folder.string().c_str());
    return Status::told();
  }
  fs::path image = state.file(database_image_name);
  if (!remove_file(image)) {
    error_box(state,
              "The temporary file %s appears to be write protected or corruupted.  That file will need to be "
              "manually deleted.",
              image.string().c_str());
    return Status::told();
  }

  BackupDialogModel dialog;
  if (!state.ui.run_dialog(dialog)) {
    message_box(state, message_kind::information, "The database backup was cancelled as requested.");
    return Status::told();
  }

  fs::path destination = server_copy;
  bool local = dialog.target() == BackupTarget::local_device;
  if (local) {
    const Today& t = state.today;
    auto chosen = state.ui.choose_file(FileDialogMode::save, "Database Backup", backup_filter,
                                       proposed_backup_name(t.year, t.month, t.day));
    if (!chosen) return Status::told();
    destination = fs::absolute(backup_path_for(*chosen));
    std::error_code ec;
    if (fs::exists(destination, ec)) {
      Button b = ask_titled_destructive(state, message_kind::question, "Database Backup",
                                        "A backup file by that name already exists.  Do you wish to overwrite it?");
      if (b != Button::yes) return Status::told();
    }
  }

  if (!write_backup_files(state, destination)) return Status::told();
  if (!local) return upload_backup(state, server);
  copy_installer(state, destination.parent_path());
  ask_titled(state, message_kind::information, "Quillon for Windows Backup",
             "The requested backup was successfully completed.\n" + destination.string());
  return Status::ok();
}

Status upload_backup(State& state, BackupServer& server) {
  std::string club = field_text(state.system.club_id);
  if (club.empty()) {
    NetworkSettings settings;
    if (!load_network_settings(state.home_folder, settings)) settings = NetworkSettings{};
    std::string page = settings.web_url + "/clubid";
    std::string text = std::string("Participation in the Cuplink Network is complimentary and Tolvane would be ") +
                       "pleased to have your club or group take advantage of this facility.\n\n" +
                       "In order to participate in the Cuplink Network, you must request an Internet " +
                       "Club ID by completing the online request form at at " + page + "\n\n" +
                       "Would you like to request an Internet Club ID now?";
    if (ask_titled(state, message_kind::question, "Cuplink Network - Internet Club ID", text) == Button::yes)
      state.ui.open_page(page);
    return Status::told();  // nothing was uploaded
  }
  Status sent = Status::ok();
  {
    BusyCursor busy(state);
    sent = server.upload(state, state.file(club + ".bkp"), remote_backup_name(club));
  }
  if (sent) {
    message_box(state, message_kind::information,
                "The backup of your data to the Cuplink Network was successfully completed.");
    return sent;
  }
  if (sent.needs_telling()) show_message_text(state, message_kind::error, sent.reason());
  return Status::told();
}

}  // namespace quillon
