#pragma once
// File / Restore Database (command 1104): the pre-restore ring of images, the
// "Database Restore" dialog and a restore that replaces the database only
// with a checked image, by an atomic rename. A backup with its checksum file
// must match it; one without is restored only after the user has seen what it
// holds and said Yes.
#include <filesystem>

#include "core/status.h"

namespace quillon {

struct State;
class BackupServer;

inline constexpr const char* newest_restore_image = "qlwin4db.sav";
inline constexpr int restore_ring_size = 10;  // "qlwin4db.sav" and "qlwin4db.s1" .. "qlwin4db.s9"
// Working files of earlier versions, removed when a restore ends.
inline constexpr const char* restore_stream_name = "qlwin4db.ql$";
inline constexpr const char* restore_image_name = "qlwin4db.exp";

// The pre-restore image `age` restores back (0 = "qlwin4db.sav", 9 = "qlwin4db.s9").
std::string restore_ring_name(int age);

// Drops the oldest image and moves every other one a place older.
[[nodiscard]] Status turn_restore_ring(const std::filesystem::path& home);

// The dialog and the restore proper: ok when the database was replaced,
// otherwise told (the user has been told why, or cancelled).
Status restore_database(State& state, BackupServer& server);

// Command 1104: after a restore the program must be restarted, so it asks the
// front end to exit.
Status restore_command(State& state, BackupServer& server);

}  // namespace quillon
