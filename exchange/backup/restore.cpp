#include "exchange/backup/restore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <optional>

#include "core/atomic_file.h"
#include "core/database.h"
#include "core/database_image.h"
#include "core/database_startup.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/text.h"
#include "exchange/backup/backup.h"
#include "exchange/backup/backup_check.h"
#include "exchange/backup/backup_dialogs.h"
#include "exchange/backup/backup_server.h"
#include "exchange/backup/file_writer.h"
#include "exchange/backup/write_limit.h"

namespace quillon {

namespace {

namespace fs = std::filesystem;

constexpr const char* restore_not_completed = "The database restore was NOT successfully completed.";
constexpr const char* database_unchanged =
    "The database restore was NOT successfully completed and the database was not changed.";
constexpr const char* restore_cancelled = "The restore was cancelled as requested.";

void remove_quietly(const fs::path& path) {
  std::error_code ec;
  fs::remove(path, ec);
}

// The permissions the database file has, for its replacement.
unsigned database_mode(const fs::path& database) {
  struct stat info {};
  if (::stat(database.c_str(), &info) == 0) return info.st_mode & 07777;
  return 0644;
}

bool same_file(const fs::path& a, const fs::path& b) {
  struct stat sa {
  }, sb{};
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// The pre-restore image "qlwin4db.sav". The restore replaces the database
// file by a rename, so the file that is the database now becomes the image by
// itself: a second name (a hard link) for it costs no copy. Until the restore
// has replaced the database the image is that same file, so a restore that
// ends without replacing it turns the image into a copy (freeze_restore_image).
// Where the folder cannot hold a second name the image is copied at once.
Status take_restore_image(State& state) {
  fs::path database = state.file(state.db_name);
  fs::path image = state.file(newest_restore_image);
  fs::path fresh = image;
  fresh += ".new";
  remove_quietly(fresh);
  if (::linkat(AT_FDCWD, database.c_str(), AT_FDCWD, fresh.c_str(), AT_SYMLINK_FOLLOW) == 0) {
    if (std::rename(fresh.c_str(), image.c_str()) == 0) return flush_folder(state.home_folder);
    remove_quietly(fresh);
  }
  return save_database_image(database, image);
}

// A restore that did not replace the database keeps its image as a copy of its own.
void freeze_restore_image(State& state) {
  fs::path database = state.file(state.db_name);
  fs::path image = state.file(newest_restore_image);
  if (!same_file(database, image)) return;
  if (Status copied = save_database_image(database, image); !copied) {
    // A second name of the live database is no image of the past: drop it.
    remove_quietly(image);
    show_message_text(state, message_kind::warning,
                      "The image of the active database (" + std::string(newest_restore_image) +
                          ") could not be kept (" + copied.reason() + ").");
  }
}

// The pre-restore image while the restore runs: a restore that ends without
// replacing the database settles it (a copy of its own) before its last
// message, so that nothing depends on the user closing that message.
class PendingImage {
 public:
  explicit PendingImage(State& state) : state_(state) {}
  ~PendingImage() { settle(); }
  PendingImage(const PendingImage&) = delete;
  PendingImage& operator=(const PendingImage&) = delete;
  void settle() {
    if (!settled_) freeze_restore_image(state_);
    settled_ = true;
  }
  // The database was replaced: the image is the old file itself.
  void replaced() { settled_ = true; }

 private:
  State& state_;
  bool settled_ = false;
};

// The working files of earlier versions of the backup and restore.
void remove_working_files(State& state) {
  for (const std::string& name : {backup_base_name(state) + ".dbb", std::string("qlwin4.dbb"),
                                  std::string(restore_stream_name), std::string(restore_image_name)})
    remove_quietly(state.file(name));
}

// Where the backup to restore comes from: the server or a chosen file.
std::optional<fs::path> backup_to_restore(State& state, BackupServer& server, RestoreSource source,
                                          PendingImage& image) {
  if (source == RestoreSource::web_server) {
    std::string club = field_text(state.system.club_id);
    if (club.empty()) {
      image.settle();
      error_box(state,
                "An Internet Club Id must be entered prior to restoring backup data from the Cuplink Network.\n\n"
                "To enter your Internet Club ID click on the 'Cuplink Network' button on the main window.");
      return std::nullopt;
    }
    // The earlier copy of the server's backup stays until the new one has arrived whole.
    fs::path local = state.file(club + ".bkp");
    Status fetched = Status::ok();
    {
      BusyCursor busy(state);
      fetched = server.download(state, remote_backup_name(club), local);
    }
    if (!fetched) {
      image.settle();
      if (fetched.needs_telling()) show_message_text(state, message_kind::error, fetched.reason());
      return std::nullopt;
    }
    return local;
  }
  auto chosen = state.ui.choose_file(FileDialogMode::open, "Database Restore", backup_filter, "*.BKP");
  if (!chosen) {
    image.settle();
    message_box(state, message_kind::information, restore_cancelled);
    return std::nullopt;
  }
  fs::path path = fs::absolute(*chosen);
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) {
    image.settle();
    not_done_box(state, message_kind::warning, "An error was encountered locating the selected backup file.\n\n%s",
                 restore_not_completed);
    return std::nullopt;
  }
  return path;
}

// Writes the unpacked image into the database's replacement.
class ReplacementSink : public Unpacker::Sink {
 public:
  explicit ReplacementSink(AtomicFile& file) : writer_(file) {}
  Status put(const std::uint8_t* data, std::size_t n) override { return writer_.write(data, n); }
  Status finish() { return writer_.finish(); }

 private:
  ImageWriter writer_;
};

// The message for a backup that cannot be restored.
std::string refusal_text(const BackupContents& contents, const Status& why) {
  switch (contents.problem) {
    case BackupProblem::unopened:
    case BackupProblem::unreadable:
    case BackupProblem::checksum: return why.reason() + "\n\n" + database_unchanged;
    case BackupProblem::version: return why.reason();
    case BackupProblem::output:
      return "The backup could not be unpacked in the home folder (" + why.reason() + ").\n\n" + database_unchanged;
    case BackupProblem::damaged:
    case BackupProblem::none: break;
  }
  return damaged_backup_text(why.reason());
}

// A backup without its checksum file may be whole or cut short: the user
// decides after seeing what it holds. Enter answers No.
bool user_accepts_unproven(State& state, const fs::path& backup, const BackupContents& contents) {
  std::string text = "The backup file " + backup.string() + " has no checksum file (" +
                     contents.checksum_file.filename().string() +
                     "), so Quillon cannot prove that it is complete.\n\n" + backup_holdings_text(contents.facts) +
                     "\n\nRestore it over the active database only if that is all it should hold.  Do you wish to "
                     "restore it?";
  return ask_titled_destructive(state, message_kind::warning_yes_no, "Database Restore", text) == Button::yes;
}

// Puts the checked image in the database's place and reopens it. Once the
// image has replaced the database the restore has happened, even when the
// reopening fails (the user is told of that).
Status replace_database(State& state, AtomicFile& replacement, PendingImage& image) {
  fs::path database = state.file(state.db_name);
  write_checkpoint();
  Status committed = replacement.commit();
  write_checkpoint();
  if (!committed) {
    image.settle();
    error_box(state, "The restored database could not replace %s (%s).\n\n%s", database.string().c_str(),
              committed.reason().c_str(), database_unchanged);
    return Status::told();
  }
  image.replaced();
  state.db.close();
  if (Status opened = open_database(state); !opened) {
    error_box(state, "The restored database %s could not be opened (%s).", database.string().c_str(),
              opened.reason().c_str());
    return Status::ok();
  }
  // The database has been replaced either way; a failed read has been told.
  (void)read_configuration(state);
  return Status::ok();
}

// The restore after the pre-restore image was taken; ok when the database was replaced.
Status restore_from_chosen_backup(State& state, BackupServer& server, PendingImage& image) {
  RestoreDialogModel dialog(state);
  if (!state.ui.run_dialog(dialog)) {
    image.settle();
    message_box(state, message_kind::information, restore_cancelled);
    return Status::told();
  }
  auto backup = backup_to_restore(state, server, dialog.source(), image);
  if (!backup) return Status::told();

  fs::path database = state.file(state.db_name);
  Result<AtomicFile> replacement = AtomicFile::create(database, database_mode(database));
  if (!replacement) {
    image.settle();
    show_message_text(state, message_kind::error,
                      "The backup could not be unpacked in the home folder (" + replacement.status().reason() +
                          ").\n\n" + database_unchanged);
    return Status::told();
  }
  BackupContents contents;
  Status read = Status::ok();
  {
    BusyCursor busy(state);
    ReplacementSink sink(*replacement);
    read = read_backup(*backup, &sink, contents);
    if (read) {
      read = sink.finish();
      if (!read) contents.problem = BackupProblem::output;
    }
  }
  if (!read) {
    replacement->discard();
    image.settle();
    if (contents.problem == BackupProblem::unopened)
      message_box(state, message_kind::error, "An error was encountered opening the selected backup file.\n\n%s",
                  restore_not_completed);
    else show_message_text(state, message_kind::error, refusal_text(contents, read));
    return Status::told();
  }
  if (!contents.has_checksum && !user_accepts_unproven(state, *backup, contents)) {
    replacement->discard();
    image.settle();
    message_box(state, message_kind::information, restore_cancelled);
    return Status::told();
  }
  Status replaced = Status::ok();
  {
    BusyCursor busy(state);
    replaced = replace_database(state, *replacement, image);
  }
  return replaced;
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
  // An image left as a second name of the database by a restore that was
  // stopped half-way holds nothing of the past.
  if (same_file(state.file(state.db_name), state.file(newest_restore_image)))
    remove_quietly(state.file(newest_restore_image));
  std::string why;
  Status turned = turn_restore_ring(state.home_folder);
  if (turned) {
    Status saved = state.db.flush();
    if (saved) saved = take_restore_image(state);
    if (!saved) why = saved.reason().empty() ? std::string("the copy is incomplete") : saved.reason();
  } else {
    why = turned.reason();
  }
  if (!why.empty()) {
    error_box(state,
              "A error was encountered attempting to create an image of the active database.  The requested restore "
              "was NOT successfully completed and the database was not changed.\n\n(%s)",
              why.c_str());
    remove_working_files(state);
    return Status::told();
  }
  remove_working_files(state);
  PendingImage image(state);
  return restore_from_chosen_backup(state, server, image);
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
