#pragma once
#include "core/dispatch.h"

namespace quillon {

// Every command built into this program, by number.
const CommandRegistry& command_registry();

}  // namespace quillon
