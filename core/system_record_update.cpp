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
  if (read_record(state, RecordKind::system, 1) != static_cast<int>(sizeof state.system)) {
    state.system = kept;
    if (!state.db.read_failed())
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
