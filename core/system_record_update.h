#pragma once
// Changing a few fields of the system record when other openers may have
// changed others meanwhile: the record is read again under the lock, changed
// and written, and the buffer takes the stored result.
#include <functional>

#include "core/state.h"
#include "core/status.h"

namespace quillon {

// Fails told when the record could not be read or written; the buffer is
// then left as it was.
[[nodiscard]] Status update_system_record(State& state, const std::function<void(SystemRecord&)>& change);

}  // namespace quillon
