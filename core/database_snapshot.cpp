#include "core/database_snapshot.h"

#include <fcntl.h>
#include <unistd.h>
#include <vector>

#include "exchange/image/database_image.h"

namespace quillon {

Status take_snapshot(State& state) {
  std::string why;
  if (!save_database_image(state.file(state.db_name), state.file(snapshot_name), &why)) return Status::failed(why);
  return Status::ok();
}

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
    if (!state.db.write_at(at, buf.data(), static_cast<std::size_t>(got))) {
      ::close(in);
      return Status::failed(state.db.last_error());
    }
    at += got;
  }
  ::close(in);
  if (!ok) return Status::failed("cannot read " + std::string(snapshot_name));
  if (!state.db.set_length(at) || !state.db.flush()) return Status::failed(state.db.last_error());
  return Status::ok();
}

}  // namespace quillon
