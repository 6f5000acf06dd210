#pragma once
#include <string>

#include "core/state.h"
#include "core/status.h"

namespace quillon {

// Whether the open file starts with a system record whose layout its length
// fits; otherwise why it cannot be used.
Status check_is_database(const DatabaseFile& db);

// Opens the database in the home folder, creating it first when missing.
// Fails, after the error "Error Opening Quillon database", when the file
// cannot be opened or is not a database; `created` tells whether a new file
// was made.
[[nodiscard]] Status open_or_create_database(State& state, bool* created = nullptr);

// Reads the configuration records into their buffers. Fails, told, when
// they could not be read.
[[nodiscard]] Status read_configuration(State& state);

// The database's own part of start-up, after the configuration has been read
// and upgraded: layout, desktop message, tournament count, purge reminder and
// trimming of trailing free tournament slots. Fails, told, when a record
// could not be read.
[[nodiscard]] Status finish_database_startup(State& state);

}  // namespace quillon
