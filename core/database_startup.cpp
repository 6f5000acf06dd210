#include "core/database_startup.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/database.h"
#include "core/database_layout.h"
#include "core/messages.h"

namespace quillon {

Status check_is_database(const DatabaseFile& db) {
  SystemRecord system{};
  if (!db.read_exact(system_record_offset, &system, sizeof system))
    return Status::failed(db.read_failed() ? "The database could not be read (" + db.read_error() + ")."
                                           : std::string("The file is too short to hold the system record."));
  const std::int64_t length = db.length();
  // A partial last block of zero bytes only is a free slot that was being added.
  bool partial_zero = false;
  PartialBlock partial = partial_block(system, length);
  if (partial.length > 0 && !partial_block_fits(partial.length)) {
    std::vector<char> bytes(static_cast<std::size_t>(partial.length), 1);
    partial_zero = db.read_exact(partial.offset, bytes.data(), bytes.size()).is_ok() &&
                   std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == 0; });
  }
  return check_layout_fits(system, length, partial_zero);
}

Status open_or_create_database(State& state, bool* created) {
  bool made = false;
  std::error_code ec;
  // A file that cannot be made cannot be opened either, which the user is told next.
  if (!std::filesystem::exists(state.file(state.db_name), ec)) made = create_database(state).is_ok();
  if (created) *created = made;
  if (!open_database(state)) {
    message_box(state, message_kind::error, "Error Opening Quillon database");
    return Status::told();
  }
  // Nothing is written before this check: a file whose length does not fit
  // its system record would be trimmed or overwritten at the wrong places.
  if (Status fits = check_is_database(state.db); !fits) {
    state.db.close();
    show_message_text(state, message_kind::error,
                      "Error Opening Quillon database\n\n" + fits.reason() + "\n\nThe file has been left unchanged.");
    return Status::told();
  }
  return Status::ok();
}

Status read_configuration(State& state) {
  if (Status read = read_record(state, RecordKind::system, 1); !read) return read;
  if (Status read = read_record(state, RecordKind::import_settings, 1); !read) return read;
  apply_database_layout(state);
  return Status::ok();
}

Status finish_database_startup(State& state) {
  apply_database_layout(state);
  if ((state.system.flags & system_flag::no_desktop_message) == 0) {
    if (Status read = read_record(state, RecordKind::desktop_message, 1); !read) return read;
  } else {
    std::memset(&state.desktop_message, 0, sizeof state.desktop_message);
  }
  return scan_tournaments_at_startup(state);
}

}  // namespace quillon
