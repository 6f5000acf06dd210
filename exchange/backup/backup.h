#pragma once
// File / Backup Database (commands 1103 and 974) and the upload of the backup
// to the Cuplink file server (command 2010).
//
// The backup file is the system record (200 bytes) followed by the database
// packed as a zero-run stream. Every backup is unpacked again and compared
// byte for byte with the image it was made from before it is offered.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/status.h"

namespace quillon {

struct State;
class BackupServer;

// Working files in the home folder.
inline constexpr const char* database_image_name = "qlwin4.dbc";
inline constexpr const char* verification_image_name = "qlwin4.exp";
inline constexpr const char* installer_names[] = {"ql_update.msi", "ql_setup.msi"};
inline constexpr const char* backup_filter = "Backup Files(*.BKP)|*.bkp|";

// `club_id` when set, else "qlwin4": the name of the packed file (".dbb")
// and of the backup made for the server (".bkp").
std::string backup_base_name(const State& state);

// "%d_%s_%02d.BKP" of a date: 2025_Mar_07.BKP.
std::string proposed_backup_name(int year, int month, int day);

// The chosen path with its file name (never its folders) in upper case and
// ".BKP" added when it does not end so: "club" gives "CLUB.BKP".
std::filesystem::path backup_path_for(const std::string& chosen);

// Packs an image of the database into base + ".dbb" and verifies it. Returns
// the packed size, or nothing after telling the user what failed.
std::optional<std::int64_t> make_packed_image(State& state);

Status backup_database(State& state, BackupServer& server);
Status upload_backup(State& state, BackupServer& server);

}  // namespace quillon
