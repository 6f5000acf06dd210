#include "exchange/backup/restore.h"

#include <sys/stat.h>
#include <fstream>
#include <vector>

#include "core/database.h"
#include "core/database_image.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/text.h"
#include "exchange/backup/backup.h"
#include "exchange/backup/backup_check.h"
#include "exchange/backup/backup_dialogs.h"
#include "exchange/backup/backup_server.h"
#include "exchange/backup/disk_space.h"
#include "exchange/backup/file_writer.h"
#include "exchange/backup/pack.h"
#include "exchange/backup/write_limit.h"

namespace quillon {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t copy_size = 1 << 20;
constexpr const char* restore_not_completed = "The database restore was NOT successfully completed.";
constexpr const char* database_unchanged =
    "The database restore was NOT successfully completed and the database was not changed.";

void remove_quietly(const fs::path& path) {
  std::error_code ec;
  fs::remove(path, ec);
}

// The backup file without its header, as the working file "qlwin4db.ql$".
Status copy_stream(std::ifstream& backup, const fs::path& target) {
  FileWriter out;
  Status created = out.create(target);
  if (!created) return created;
  std::vector<char> buf(copy_size);
  while (backup) {
    backup.read(buf.data(), static_cast<std::streamsize>(buf.size()));
    if (backup.bad()) return Status::failed("cannot read the backup file");
    if (backup.gcount() == 0) break;
    Status written = out.write(buf.data(), static_cast<std::size_t>(backup.gcount()));
    if (!written) return written;
  }
  return out.finish(false);
}

// Gives the new file the permissions the database file has.
void keep_permissions(const fs::path& from, const fs::path& to) {
  struct stat info {};
  if (::stat(from.c_str(), &info) == 0) ::chmod(to.c_str(), info.st_mode & 07777);
}

// Where the backup to restore comes from: the server or a chosen file.
std::optional<fs::path> backup_to_restore(State& state, BackupServer& server, RestoreSource source) {
  if (source == RestoreSource::web_server) {
    std::string club = field_text(state.system.club_id);
    if (club.empty()) {
      error_box(state,
                "An Internet Club Id must be entered prior to restoring backup data from the Cuplink Network.\n\n"
                "To enter your Internet Club ID click on the 'Cuplink Network' button on the main window.");
      return std::nullopt;
    }
    fs::path local = state.file(club + ".bkp");
    remove_quietly(local);
    Status fetched = Status::ok();
    {
      BusyCursor busy(state);
      fetched = server.download(state, remote_backup_name(club), local);
    }
    if (!fetched) {
      if (fetched.needs_telling()) show_message_text(state, message_kind::error, fetched.reason());
      return std::nullopt;
    }
    return local;
  }
  auto chosen = state.ui.choose_file(FileDialogMode::open, "Database Restore", backup_filter, "*.BKP");
  if (!chosen) {
    message_box(state, message_kind::information, "The restore was cancelled as requested.");
    return std::nullopt;
  }
  fs::path path = fs::absolute(*chosen);
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) {
    message_box(state, message_kind::warning, "An error was encountered locating the selected backup file.\n\n%s",
                restore_not_completed);
    return std::nullopt;
  }
  return path;
}

// Unpacks and checks the backup into "qlwin4db.exp"; the database is not
// touched. A failure's reason is the whole message to show.
Status prepare_restored_image(State& state, std::ifstream& backup, const SystemRecord& header) {
  fs::path stream = state.file(restore_stream_name);
  fs::path image = state.file(restore_image_name);
  remove_quietly(image);
  remove_quietly(stream);
  auto fail = [&](const std::string& text) {
    remove_quietly(stream);
    remove_quietly(image);
    return Status::failed(text);
  };
  auto not_written = [&](const Status& status) {
    return fail("The backup could not be unpacked in the home folder (" + status.reason() + ").\n\n" +
                database_unchanged);
  };

  Status copied = copy_stream(backup, stream);
  if (!copied) return not_written(copied);
  std::int64_t length = 0;
  Status parsed = measure_packed_file(stream, 0, largest_database_length(), length);
  if (!parsed) return fail(damaged_backup_text(parsed.reason()));
  if (Status fits = check_image_layout(header, length); !fits) return fail(damaged_backup_text(fits.reason()));
  auto free = free_bytes_in(state.home_folder);
  if (free && *free < length) {
    return fail(format_text(message_limit,
                            "Insufficient disk space in the home folder (%s) to restore the database: %lld bytes "
                            "are needed.\n\n%s",
                            state.home_folder.string().c_str(), static_cast<long long>(length), database_unchanged));
  }
  Status unpacked = unpack_file(stream, image, {0, largest_database_length(), true});
  remove_quietly(stream);
  if (!unpacked) return not_written(unpacked);
  Status sound = check_database_image(image, header);
  if (!sound) return fail(damaged_backup_text(sound.reason()));
  return Status::ok();
}

// Puts the checked image in the database's place and reopens it. Once the
// image has replaced the database the restore has happened, even when the
// reopening fails (the user is told of that).
Status replace_database(State& state) {
  fs::path image = state.file(restore_image_name);
  fs::path database = state.file(state.db_name);
  keep_permissions(database, image);
  write_checkpoint();
  std::error_code ec;
  fs::rename(image, database, ec);
  if (ec) {
    remove_quietly(image);
    error_box(state, "The restored database could not replace %s (%s).\n\n%s", database.string().c_str(),
              ec.message().c_str(), database_unchanged);
    return Status::told();
  }
  write_checkpoint();
  Status synced = sync_folder(state.home_folder);
  state.db.close();
  if (Status opened = open_database(state); !opened) {
    error_box(state, "The restored database %s could not be opened (%s).", database.string().c_str(),
              opened.reason().c_str());
    return Status::ok();
  }
  read_record(state, RecordKind::system, 1);
  read_record(state, RecordKind::import_settings, 1);
  apply_database_layout(state);
  if (!synced) show_message_text(state, message_kind::warning, synced.reason());
  return Status::ok();
}

}  // namespace

std::string restore_ring_name(int age) {
  return age == 0 ? std::string(newest_restore_image) : "qlwin4db.s" + std::to_string(age);
}

Status turn_restore_ring(const fs::path& home) {
  std::error_code ec;
  fs::path oldest = home / restore_ring_name(restore_ring_size - 1);
  fs::remove(oldest, ec);
  if (ec) return Status::failed("cannot delete " + oldest.string() + ": " + ec.message());
  for (int age = restore_ring_size - 2; age >= 0; --age) {
    fs::path from = home / restore_ring_name(age);
    if (!fs::exists(from, ec)) continue;
    fs::rename(from, home / restore_ring_name(age + 1), ec);
    if (ec) return Status::failed("cannot rename " + from.string() + ": " + ec.message());
  }
  return Status::ok();
}

Status restore_database(State& state, BackupServer& server) {
  std::string why;
  Status turned = turn_restore_ring(state.home_folder);
  if (turned) {
    Status saved = state.db.flush();
    if (saved) saved = save_database_image(state.file(state.db_name), state.file(newest_restore_image));
    if (!saved) why = saved.reason().empty() ? std::string("the copy is incomplete") : saved.reason();
  } else {
    why = turned.reason();
  }
  if (!why.empty()) {
    error_box(state,
              "A error was encountered attempting to create an image of the active database.  The requested restore "
              "was NOT successfully completed and the database was not changed.\n\n(%s)",
              why.c_str());
    return Status::told();
  }

  RestoreDialogModel dialog(state);
  if (!state.ui.run_dialog(dialog)) {
    message_box(state, message_kind::information, "The restore was cancelled as requested.");
    return Status::told();
  }
  auto backup_path = backup_to_restore(state, server, dialog.source());
  if (!backup_path) return Status::told();

  std::ifstream backup(*backup_path, std::ios::binary);
  if (!backup) {
    message_box(state, message_kind::error, "An error was encountered opening the selected backup file.\n\n%s",
                restore_not_completed);
    return Status::told();
  }
  SystemRecord header{};
  if (!backup.read(reinterpret_cast<char*>(&header), sizeof header)) {
    show_message_text(state, message_kind::error, damaged_backup_text("the file is shorter than its 200-byte header"));
    return Status::told();
  }
  Status version = check_backup_version(header);
  if (!version) {
    show_message_text(state, message_kind::error, version.reason());
    return Status::told();
  }

  Status prepared = Status::ok();
  {
    BusyCursor busy(state);
    prepared = prepare_restored_image(state, backup, header);
  }
  if (!prepared) {
    show_message_text(state, message_kind::error, prepared.reason());
    return Status::told();
  }
  return replace_database(state);
}

Status restore_command(State& state, BackupServer& server) {
  if (Status restored = restore_database(state, server); !restored) return restored;
  message_box(state, message_kind::information,
              "The requested restore was successfully completed.\n\n"
              "Following a database restore, Quillon must be restarted.\n\nClick OK to exit out of Quillon.");
  state.exit_requested = true;
  return Status::ok();
}

}  // namespace quillon
