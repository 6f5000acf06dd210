#pragma once
// Maintenance / Update via Internet: the build description "build.inf" of the
// current release is compared with the running program and the installer
// package is downloaded. The package is checked and handed to the desktop's
// default handler; the program never runs it.
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/result.h"
#include "core/status.h"
#include "exchange/network/net_client.h"

namespace quillon {

struct State;

struct BuildDescription {
  int version = 0;  // 1500 + the three digits
  char letter = 0;
  std::string build;  // eight characters
  std::string sha256;  // lower-case hex, empty when the description has none
};

// Reads the version, letter and build identifier of the first 13 bytes
// ("526a 250427.1") and a SHA-256 after them; fails when the bytes are too
// few or the version is not three digits.
[[nodiscard]] Result<BuildDescription> parse_build_description(const std::string& bytes);
// Whether the description is the release that runs (`running_build`: eight characters).
bool is_running_release(const BuildDescription& description, const std::string& running_build);
// A downloaded package must hold the bytes the server announced and match the
// description's SHA-256 when it has one; the failure says which it does not.
[[nodiscard]] Status check_update_package(const std::filesystem::path& package, std::int64_t server_size,
                                          const BuildDescription& description);

inline constexpr const char* update_description_damaged_text =
    "The update description (build.inf) received from the server is damaged, so the available update could not be "
    "identified.  Nothing was downloaded.";

struct UpdateOptions {
  int pause_ms = 1000;  // the pauses that let each status line be read
  std::string running_build;  // eight characters; empty = this build's
};

// Runs the update; reports its own outcome.
Status check_for_update(State& state, const UpdateOptions& options = {});
// The update on a connected file server: the description, the question when it
// is the running release, the package checked and handed to the desktop.
Status update_from(State& state, FileServer& server, const UpdateOptions& options = {});

// The outcome of a complete download, with the package's path: nothing is
// installed or restarted behind the user's back.
inline constexpr const char* update_downloaded_text =
    "The update has been downloaded to %s and opened with the desktop's program for it.  Quillon does not install "
    "it itself: install it, then start Quillon again.";

// The SHA-256 of a file as lower-case hex; empty when it cannot be read.
std::string file_sha256(const std::string& path);

}  // namespace quillon
