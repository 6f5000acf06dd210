#pragma once
// Changing a few fields of the system record when other openers may have
// changed others meanwhile: the record is read again under the lock, changed
// and written, and the buffer takes the stored result.
#include <functional>

#include "core/state.h"

namespace quillon {

// Returns false, after telling the user, when the record could not be
// written; the buffer is then left as it was.
[[nodiscard]] bool update_system_record(State& state, const std::function<void(SystemRecord&)>& change);

}  // namespace quillon
