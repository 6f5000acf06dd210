#include "core/system_record_update.h"

#include "core/database.h"
#include "core/messages.h"

namespace quillon {

Status update_system_record(State& state, const std::function<void(SystemRecord&)>& change) {
  DatabaseLock lock(state.db);
  if (!lock.held()) {
    error_box(state, "The Quillon database could not be locked (%s).\n\nThe last change was NOT saved.",
              lock.status().reason().c_str());
    return Status::told();
  }
  SystemRecord kept = state.system;
  Result<int> read = read_record_counted(state, RecordKind::system, 1);
  if (!read || *read != static_cast<int>(sizeof state.system)) {
    state.system = kept;
    if (read)
      error_box(state,
                "The Quillon database could not be read (its system record is incomplete).\n\n"
                "The last change was NOT saved.");
    return Status::told();
  }
  change(state.system);
  if (Status written = write_record(state, RecordKind::system, 1); !written) {
    state.system = kept;
    return written;
  }
  return Status::ok();
}

}  // namespace quillon
