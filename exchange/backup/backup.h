#pragma once
// File / Backup Database (commands 1103 and 974) and the upload of the backup
// to the Cuplink file server (command 2010).
//
// The backup file is the system record (200 bytes) followed by the database
// packed as a zero-run stream, written in one pass and verified as it goes
// (exchange/backup/backup_writer.h); beside it the checksum file
// "<name>.sha256" (exchange/backup/checksum_file.h). No working file stays.
#include <filesystem>
#include <string>

#include "core/status.h"

namespace quillon {

struct State;
class BackupServer;

// Working files of earlier versions in the home folder, removed by a backup.
inline constexpr const char* database_image_name = "qlwin4.dbc";
inline constexpr const char* verification_image_name = "qlwin4.exp";
inline constexpr const char* installer_names[] = {"ql_update.msi", "ql_setup.msi"};
inline constexpr const char* backup_filter = "Backup Files(*.BKP)|*.bkp|";

// `club_id` when set, else "qlwin4": the name of the backup made for the
// server (".bkp") and of the packed working file of earlier versions (".dbb").
std::string backup_base_name(const State& state);

// "%d_%s_%02d.BKP" of a date: 2025_Mar_07.BKP.
std::string proposed_backup_name(int year, int month, int day);

// The chosen path with its file name (never its folders) in upper case and
// ".BKP" added when it does not end so: "club" gives "CLUB.BKP".
std::filesystem::path backup_path_for(const std::string& chosen);

// Command 1103. Ends with the success message naming the backup's full path
// on its second line, or with the message of what failed.
Status backup_database(State& state, BackupServer& server);
Status upload_backup(State& state, BackupServer& server);

}  // namespace quillon
