#include "exchange/network/net_update.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <thread>

#include "core/build_info.h"
#include "core/messages.h"
#include "core/records/system_record.h"
#include "core/state.h"
#include "exchange/network/net_files.h"
#include "exchange/network/net_session.h"
#include "exchange/network/network_module.h"

namespace quillon {

namespace {

constexpr int version_base = 1500;
constexpr std::size_t build_at = 5;
constexpr std::size_t build_length = 8;
// The version, its letter, a separator and the build identifier; the server
// may send more (line end, padding to 27 bytes, a checksum).
constexpr std::size_t description_size = build_at + build_length;
constexpr std::size_t sha256_hex_length = 64;
constexpr const char* update_title = "Quillon Update via Internet";
constexpr const char* description_remote = "/update/ql/build.inf";
constexpr const char* package_remote = "update/ql/ql_update.msi";
constexpr const char* description_local = "build.inf";
constexpr const char* package_local = "ql_update.msi";

std::string running_build_of(const UpdateOptions& options) {
  if (!options.running_build.empty()) return options.running_build;
  std::string text = build_identifier;
  const std::string prefix = "Build ";
  return text.substr(prefix.size(), build_length);
}

class UpdateStatus {
 public:
  UpdateStatus(State& state, int pause_ms) : state_(state), pause_ms_(pause_ms) {}
  // Shows a status line and waits so that it can be read, keeping the window painted.
  bool show(const std::string& status, int percent = -1) {
    status_ = status;
    bool go_on = state_.ui.progress(update_title, status_, percent);
    for (int waited = 0; go_on && waited < pause_ms_; waited += pump_ms) {
      std::this_thread::sleep_for(std::chrono::milliseconds(pump_ms));
      go_on = state_.ui.progress(update_title, status_, percent);
    }
    return go_on;
  }
  TransferProgress activity() {
    return [this](std::int64_t, std::int64_t) { return state_.ui.progress(update_title, status_, -1); };
  }

 private:
  static constexpr int pump_ms = 50;
  State& state_;
  int pause_ms_;
  std::string status_;
};

void remove_file(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

}  // namespace

Result<BuildDescription> parse_build_description(const std::string& bytes) {
  Status unusable = Status::failed("The build description cannot be read.");
  if (bytes.size() < description_size) return unusable;
  for (int i = 0; i < 3; ++i)
    if (!std::isdigit(static_cast<unsigned char>(bytes[i]))) return unusable;
  BuildDescription out;
  out.version = version_base + std::stoi(bytes.substr(0, 3));
  out.letter = bytes[3];
  out.build = bytes.substr(build_at, build_length);
  out.sha256.clear();
  // A checksum may follow the fixed part: the first run of 64 hex digits.
  std::string run;
  for (std::size_t i = description_size; i < bytes.size() && out.sha256.empty(); ++i) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (std::isxdigit(c)) {
      run += static_cast<char>(std::tolower(c));
      if (run.size() == sha256_hex_length &&
          (i + 1 == bytes.size() || !std::isxdigit(static_cast<unsigned char>(bytes[i + 1]))))
        out.sha256 = run;
    } else {
      run.clear();
    }
  }
  return out;
}

std::string file_sha256(const std::string& path) { return network_module().file_sha256(path); }

bool is_running_release(const BuildDescription& description, const std::string& running_build) {
  return description.version == program_version && description.letter == program_version_letter &&
         description.build == running_build;
}

Status check_update_package(const std::filesystem::path& package, std::int64_t server_size,
                            const BuildDescription& description) {
  std::error_code ec;
  std::int64_t local_size = static_cast<std::int64_t>(std::filesystem::file_size(package, ec));
  if (ec || local_size != server_size)
    return Status::failed("The downloaded package holds " + std::to_string(ec ? 0 : local_size) + " of the " +
                          std::to_string(server_size) + " bytes the server announced.");
  if (!description.sha256.empty() && file_sha256(package.string()) != description.sha256)
    return Status::failed("The downloaded package does not match the checksum of the build description.");
  return Status::ok();
}

namespace {

// From the build description to the package handed to the desktop.
Status update_through(State& state, FileServer& server, const UpdateOptions& options, UpdateStatus& status) {
  std::filesystem::path description_path = state.file(description_local);
  remove_file(description_path);
  Status got = server.get(description_remote, description_path);
  Result<std::string> bytes = got ? read_file_head(description_path, 4096) : got;
  if (!bytes) {
    error_box(state, "%s", with_reason("An error was encountered downloading the update.", got).c_str());
    return Status::told();
  }
  Result<BuildDescription> description = parse_build_description(*bytes);
  if (!description) {
    error_box(state, "%s", update_description_damaged_text);
    return Status::told();
  }
  if (!status.show("Version information retrieved...")) return Status::told();

  if (is_running_release(*description, running_build_of(options))) {
    Button again = message_box(state, message_kind::question,
                               "You are currently running the latest version of Quillon.  Would you like to download "
                               "and re-apply the latest update?");
    if (again != Button::yes) return Status::told();
  }

  std::filesystem::path package = state.file(package_local);
  remove_file(package);
  status.show("Downloading the update...", 0);
  Result<std::int64_t> server_size = server.size(package_remote);
  TransferProgress progress = [&](std::int64_t done, std::int64_t) {
    // 64-bit arithmetic; a size of zero shows no percentage.
    std::int64_t total = server_size.value_or(0);
    int percent = total > 0 ? static_cast<int>(std::min<std::int64_t>(done * 100 / total, 100)) : -1;
    std::string line =
        percent >= 0 ? "Transfer " + std::to_string(percent) + "% complete" : "Downloading the update...";
    return state.ui.progress(update_title, line, percent);
  };
  Status fetched = server_size ? server.get(package_remote, package, progress) : server_size.status();
  Status checked = fetched ? check_update_package(package, *server_size, *description) : Status::ok();
  if (!fetched || !checked) {
    remove_file(package);
    std::string text = with_reason("An error was encountered downloading the update.", fetched);
    if (!checked) text += "\n\n" + checked.reason();
    error_box(state, "%s", text.c_str());
    return Status::told();
  }
  if (!status.show("Transfer 100% complete", 100)) return Status::told();
  // The package is shown to the user through the desktop's handler for it;
  // this program does not run what it downloads.
  state.ui.open_page(package.string());
  // The desktop may have no program for the package; the user learns where it is.
  message_box(state, message_kind::information, update_downloaded_text, package.string().c_str());
  return Status::ok();
}

// Shows no progress window afterwards.
struct ProgressClosed {
  State& state;
  ~ProgressClosed() { state.ui.progress_done(); }
};

}  // namespace

Status update_from(State& state, FileServer& server, const UpdateOptions& options) {
  BusyCursor busy(state);
  ProgressClosed closed{state};
  UpdateStatus status(state, options.pause_ms);
  return update_through(state, server, options, status);
}

Status check_for_update(State& state, const UpdateOptions& options) {
  BusyCursor busy(state);
  ProgressClosed closed{state};
  UpdateStatus status(state, options.pause_ms);
  if (!status.show("Ready to check for available update...")) return Status::told();

  InternetSession internet;
  if (!open_internet(state, internet)) return Status::told();
  internet.activity = status.activity();
  if (!status.show("Internet session established...")) return Status::told();

  auto ftp = open_ftp_session(state, internet);
  if (!ftp) {
    error_box(state,
              "ERR_FTP: Ravelin encountered an error while attempting to attach to the Tolvane Systems Inc FTP site.  "
              "When Ravelin attempted to create a 'Passive Authenticated FTP' session to exchange information with "
              "the Tolvane FTP site, the connection appeared to have been blocked by firewall or Internet Security "
              "software installed on your computer or network.");
    return Status::told();
  }
  if (!status.show("Communicating with " + internet.settings.ftp_host + "...")) return Status::told();
  return update_through(state, *ftp, options, status);
}

}  // namespace quillon
