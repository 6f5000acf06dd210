#pragma once
// Every question that destroys data when answered Yes (or OK) must have No (or
// Cancel) as its default button, so that Enter never erases anything. Test
// homes check each question their scripted UI is asked against this rule.
#include <string>

#include "core/scripted_ui.h"

namespace quillon::testing {

// Whether a question's text announces that something will be erased, removed,
// overwritten, purged, lost or unlinked.
bool reads_destructive(const std::string& text);
// Records a test failure for a destructive question whose default is not the safe button.
void expect_safe_default(const RecordedMessage& message);

}  // namespace quillon::testing
