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

constexpr std::size_t description_size = 27;
constexpr int version_base = 1500;
constexpr std::size_t build_at = 5;
constexpr std::size_t build_length = 8;
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

bool parse_build_description(const std::string& bytes, BuildDescription& out) {
  if (bytes.size() < description_size) return false;
  for (int i = 0; i < 3; ++i)
    if (!std::isdigit(static_cast<unsigned char>(bytes[i]))) return false;
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
  return true;
}

std::string file_sha256(const std::string& path) { return network_module().file_sha256(path); }

Status check_for_update(State& state, const UpdateOptions& options) {
  BusyCursor busy(state);
  struct Done {
    State& s;
    ~Done() { s.ui.progress_done(); }
  } done{state};
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
  std::filesystem::path description_path = state.file(description_local);
  remove_file(description_path);
  Status got = ftp->get(description_remote, description_path);
  std::string bytes;
  BuildDescription description;
  if (!got || !read_file_head(description_path, 4096, bytes) || !parse_build_description(bytes, description)) {
    error_box(state, "%s", with_reason("An error was encountered downloading the update.", got).c_str());
    return Status::told();
  }
  if (!status.show("Version information retrieved...")) return Status::told();

  if (description.version == program_version && description.letter == program_version_letter &&
      description.build == running_build_of(options)) {
    Button again = message_box(state, message_kind::question,
                               "You are currently running the latest version of Quillon.  Would you like to download "
                               "and re-apply the latest update?");
    if (again != Button::yes) return Status::told();
  }

  std::filesystem::path package = state.file(package_local);
  remove_file(package);
  status.show("Downloading the update...", 0);
  std::int64_t server_size = 0;
  Status sized = ftp->size(package_remote, server_size);
  TransferProgress progress = [&](std::int64_t done, std::int64_t) {
    // 64-bit arithmetic; a size of zero shows no percentage.
    int percent = server_size > 0 ? static_cast<int>(std::min<std::int64_t>(done * 100 / server_size, 100)) : -1;
    std::string line =
        percent >= 0 ? "Transfer " + std::to_string(percent) + "% complete" : "Downloading the update...";
    return state.ui.progress(update_title, line, percent);
  };
  if (sized) got = ftp->get(package_remote, package, progress);
  ftp.reset();
  std::error_code ec;
  std::int64_t local_size = sized && got ? static_cast<std::int64_t>(std::filesystem::file_size(package, ec)) : -1;
  bool whole = sized && got && !ec && local_size == server_size;
  bool checksum_ok = whole && (description.sha256.empty() || file_sha256(package.string()) == description.sha256);
  if (!checksum_ok) {
    remove_file(package);
    Status reason = !sized ? std::move(sized) : !got ? std::move(got) : Status::ok();
    std::string text = with_reason("An error was encountered downloading the update.", reason);
    if (whole) text += "\n\nThe downloaded package does not match the checksum of the build description.";
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

}  // namespace quillon
