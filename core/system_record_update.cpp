#include "core/system_record_update.h"

#include "core/database.h"
#include "core/messages.h"

namespace quillon {

bool update_system_record(State& state, const std::function<void(SystemRecord&)>& change) {
  DatabaseLock lock(state.db);
  if (!lock.held()) {
    error_box(state, "The Quillon database could not be locked (%s).\n\nThe last change was NOT saved.",
              state.db.last_error().c_str());
    return false;
  }
  SystemRecord kept = state.system;
  if (read_record(state, RecordKind::system, 1) != static_cast<int>(sizeof state.system)) {
    state.system = kept;
    if (!state.db.read_failed())
      error_box(state, "The Quillon database could not be read (its system record is incomplete).\n\n"
                "The last change was NOT saved.");
    return false;
  }
  change(state.system);
  if (!write_record(state, RecordKind::system, 1)) {
    state.system = kept;
    return false;
  }
  return true;
}

}  // namespace quillon
