#pragma once
// Databases of several shapes for the backup tests, the raw bytes of files and
// the scripts that drive the backup and restore commands.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/state.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {

using Bytes = std::vector<std::uint8_t>;

Bytes file_bytes(const std::filesystem::path& path);
// The names in a folder, sorted.
std::vector<std::string> folder_names(const std::filesystem::path& folder);
void write_file(const std::filesystem::path& path, const Bytes& bytes);
// The SHA-256 of the bytes in lower-case hex, as sha256sum writes it.
std::string sha256_of(const Bytes& bytes);

// Fills `courses` course slots and `tournaments` tournaments, each with a
// field of golfers and their scores, straight into the file.
void fill_database(State& state, int courses, int tournaments);
// Changes one visible value (the reporting name) and writes it.
void mark_database(State& state, const std::string& mark);

// Scripts File / Backup Database to the local device at `path`; the answers
// that follow (an overwrite question) are the caller's.
void script_local_backup(ScriptedUi& ui, const std::string& path);
// Scripts File / Restore Database from the backup at `path`, typing `confirmation`.
void script_restore(ScriptedUi& ui, const std::string& path, const std::string& confirmation = "Restore");

}  // namespace quillon::testing
