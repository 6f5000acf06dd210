#include "exchange/backup/backup.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <vector>

#include "core/atomic_file.h"
#include "core/build_info.h"
#include "core/database.h"
#include "core/database_image.h"
#include "core/database_io.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/text.h"
#include "exchange/backup/backup_check.h"
#include "exchange/backup/backup_dialogs.h"
#include "exchange/backup/backup_server.h"
#include "exchange/backup/disk_space.h"
#include "exchange/backup/file_writer.h"
#include "exchange/backup/pack.h"
#include "exchange/network/net_settings.h"

namespace quillon {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t compare_size = 1 << 20;
constexpr std::size_t copy_size = 1 << 20;
constexpr const char* not_completed = "The requested backup was NOT successfully completed.";

std::int64_t size_of(const fs::path& path) {
  std::error_code ec;
  auto size = fs::file_size(path, ec);
  return ec ? -1 : static_cast<std::int64_t>(size);
}

// Removes a file; false when it is still there afterwards.
bool remove_file(const fs::path& path) {
  std::error_code ec;
  fs::remove(path, ec);
  return !fs::exists(fs::symlink_status(path, ec));
}

bool files_equal(const fs::path& a, const fs::path& b) {
  std::ifstream in_a(a, std::ios::binary), in_b(b, std::ios::binary);
  if (!in_a || !in_b) return false;
  std::vector<char> buf_a(compare_size), buf_b(compare_size);
  for (;;) {
    in_a.read(buf_a.data(), static_cast<std::streamsize>(buf_a.size()));
    in_b.read(buf_b.data(), static_cast<std::streamsize>(buf_b.size()));
    if (in_a.gcount() != in_b.gcount()) return false;
    if (std::memcmp(buf_a.data(), buf_b.data(), static_cast<std::size_t>(in_a.gcount())) != 0) return false;
    if (in_a.gcount() == 0 || !in_a) return in_a.eof() && in_b.eof();
  }
}

void tell_undeletable(State& state, const fs::path& path) {
  error_box(state,
            "The temporary file %s appears to be write protected or corruupted.  That file will need to be "
            "manually deleted.",
            path.string().c_str());
}

// Appends a whole file to the writer.
Status append_file(FileWriter& out, const fs::path& source) {
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

// The destination is replaced through an AtomicFile, so that an earlier
// backup of that name survives a failure. The writer fills its temporary.
Status write_backup_file(State& state, const fs::path& destination, const fs::path& packed, bool& opened) {
  opened = false;
  Result<AtomicFile> part = AtomicFile::create(destination);
  if (!part) return part.status();
  part->release_descriptor();
  FileWriter out;
  Status created = out.create(part->temporary_path());
  if (!created) return created;
  opened = true;
  read_record(state, RecordKind::system, 1);
  Status written = out.write(&state.system, sizeof state.system);
  if (written) written = append_file(out, packed);
  if (written) written = out.finish(false);
  if (!written) return written;
  return part->commit();
}

// The installer package travels with a backup to another folder; this copy is
// a convenience and its outcome is not reported.
void copy_installer(State& state, const fs::path& backup_folder) {
  std::error_code ec;
  if (fs::equivalent(backup_folder, state.home_folder, ec)) return;
  std::string name = fs::exists(state.file(installer_names[0]), ec) ? installer_names[0] : installer_names[1];
  fs::path source = state.file(name);
  if (!fs::exists(source, ec)) return;
  fs::path target = backup_folder / name;
  remove_file(target);
  FileWriter out;
  if (!out.create(target)) return;
  if (!append_file(out, source)) return;  // the writer removes the partial copy
  if (!out.finish(false)) return;
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
  std::string name = path.filename().string();
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  const std::string extension = ".BKP";
  if (name.size() < extension.size() || name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
    name += extension;
  return path.parent_path() / name;
}

std::optional<std::int64_t> make_packed_image(State& state) {
  fs::path packed = state.file(backup_base_name(state) + ".dbb");
  fs::path image = state.file(database_image_name);
  fs::path check = state.file(verification_image_name);

  for (const fs::path& old : {packed, image}) {
    if (!remove_file(old)) {
      tell_undeletable(state, old);
      return std::nullopt;
    }
  }
  Status saved = state.db.flush();
  if (saved) saved = save_database_image(state.file(state.db_name), image);
  if (!saved) {
    const std::string why = saved.reason();
    error_box(state,
              "An error was encountered saving an image of the database prior to compression of the data for "
              "backup\n\n(%s)",
              why.c_str());
    return std::nullopt;
  }
  Status packing = pack_file(image, packed);
  if (!packing) {
    error_box(state, "ERR_C: An error was encountered compressing the data for backup\n\n(%s)",
              packing.reason().c_str());
    return std::nullopt;
  }
  std::int64_t packed_size = size_of(packed);
  if (packed_size <= 0) {
    error_box(state, "ERR_C: An error was encountered compressing the data for backup");
    return std::nullopt;
  }
  Status unpacked = unpack_file(packed, check);
  if (!unpacked) {
    error_box(state, "ERR_S : An error was encountered verifying the data which was compressed for backup\n\n(%s)",
              unpacked.reason().c_str());
    return std::nullopt;
  }
  if (size_of(check) != size_of(image)) {
    error_box(state, "ERR_S : An error was encountered verifying the data which was compressed for backup");
    return std::nullopt;
  }
  if (!files_equal(image, check)) {
    remove_file(image);
    remove_file(check);
    error_box(state, "ERR_V : An error was encountered verifying the data which was compressed for backup");
    return std::nullopt;
  }
  remove_file(image);
  remove_file(check);
  return packed_size;
}

Status backup_database(State& state, BackupServer& server) {
  fs::path server_copy = state.file(backup_base_name(state) + ".bkp");
  fs::path packed = state.file(backup_base_name(state) + ".dbb");
  std::optional<fs::path> locked;
  {
    BusyCursor busy(state);
    for (const fs::path& old : {server_copy, packed})
      if (!locked && !remove_file(old)) locked = old;
  }
  if (locked) {
    message_box(state, message_kind::information,
                "A temporary file (%s) residing in the Ravelin home folder (%s) appears to be locked.  If "
                "rebooting your computer does not clear the problem you will need to manually remove the file.",
                locked->filename().string().c_str(), state.home_folder.string().c_str());
    return Status::told();
  }
  std::optional<std::int64_t> packed_size;
  {
    BusyCursor busy(state);
    packed_size = make_packed_image(state);
  }
  if (!packed_size) return Status::told();

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
    std::int64_t needed = backup_header_size + *packed_size;
    auto free = free_bytes_in(destination.parent_path());
    if (free && *free < needed) {
      error_box(state,
                "Insufficient disk space to store the backup file on the destination drive.  The requested backup "
                "was NOT successfully completed.");
      return Status::told();
    }
  }

  bool opened = false;
  Status written = Status::ok();
  {
    BusyCursor busy(state);
    written = write_backup_file(state, destination, packed, opened);
  }
  if (!written) {
    if (!opened)
      error_box(state, "Unable to open the backup file in the destination directory.  %s\n\n(%s)", not_completed,
                written.reason().c_str());
    else
      error_box(state, "The backup file %s could not be written.  %s\n\n(%s)", destination.string().c_str(),
                not_completed, written.reason().c_str());
    return Status::told();
  }
  if (!local) return upload_backup(state, server);
  copy_installer(state, destination.parent_path());
  ask_titled(state, message_kind::information, "Quillon for Windows Backup",
             "The requested backup was successfully completed.");
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
