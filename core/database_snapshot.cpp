#include "core/database_snapshot.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <vector>

#include "core/database_image.h"

namespace quillon {

Status take_snapshot(State& state) { return save_database_image(state.file(state.db_name), state.file(snapshot_name)); }

Status restore_from_snapshot(State& state) {
  int in = ::open(state.file(snapshot_name).c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return Status::failed("cannot read " + std::string(snapshot_name));
  std::vector<char> buf(1 << 20);
  std::int64_t at = 0;
  bool ok = true;
  for (;;) {
    ssize_t got = ::pread(in, buf.data(), buf.size(), at);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      ok = false;
      break;
    }
    if (got == 0) break;
    if (Status written = state.db.write_at(at, buf.data(), static_cast<std::size_t>(got)); !written) {
      ::close(in);
      return written;
    }
    at += got;
  }
  ::close(in);
  if (!ok) return Status::failed("cannot read " + std::string(snapshot_name));
  if (Status resized = state.db.set_length(at); !resized) return resized;
  return state.db.flush();
}

}  // namespace quillon
