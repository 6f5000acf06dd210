#include "exchange/network/net_session.h"

#include <cstdio>

#include "core/messages.h"
#include "core/state.h"
#include "exchange/network/net_files.h"
#include "exchange/network/net_password.h"

namespace quillon {

namespace {

constexpr const char* pldump_path = "/cgi-bin/pldump.exe";
constexpr std::size_t pldump_preamble_size = 46;
constexpr std::size_t pldump_mark_at = 19;
constexpr std::string_view pldump_mark = "pldump";
constexpr const char* authentication_failure =
    "%d-%d : Authentication failure attempting to attach to Tolvane Systems Inc. FTP site.";
constexpr int preamble_error_code = 46;
constexpr int blob_error_code = 496;

std::string password_of(const std::string& blob) {
  return password_from_blob(reinterpret_cast<const unsigned char*>(blob.data()), blob.size());
}

void show_authentication_failure(State& state, std::size_t bytes_read, int code, const Status& transfer) {
  char text[200];
  std::snprintf(text, sizeof text, authentication_failure, static_cast<int>(bytes_read), code);
  show_message_text(state, message_kind::error, transfer ? std::string(text) : with_reason(text, transfer));
}

}  // namespace

std::string with_reason(const std::string& message, const Status& status) {
  if (status.reason().empty()) return message;
  return message + "\n\n" + status.reason();
}

Status open_internet(State& state, InternetSession& session) {
  Status loaded = load_network_settings(state.home_folder, session.settings);
  if (!loaded) {
    show_message_text(state, message_kind::error, loaded.reason());
    return Status::told();
  }
  return Status::ok();
}

Status open_internet(State& state, InternetSession& session, NetworkActivity& activity, std::string status) {
  if (!open_internet(state, session)) return Status::told();
  session.activity = activity.activity();
  activity.set_status(std::move(status));
  return Status::ok();
}

std::unique_ptr<FtpSession> open_ftp_session(State& state, InternetSession& internet) {
  const NetworkSettings& settings = internet.settings;
  std::filesystem::path cache = state.file(credential_cache_name);

  Result<std::string> blob = read_file_head(cache, credential_blob_size);
  if (blob && blob->size() >= credential_blob_minimum) {
    std::string password = password_of(*blob);
    if (!password.empty()) {
      auto session = std::make_unique<FtpSession>(settings, settings.ftp_user, password);
      session->set_activity(internet.activity);
      if (session->logon()) return session;
      // A cached blob that no longer logs on is ignored; a fresh one is fetched.
    }
  }

  WebSession web(settings);
  web.set_activity(internet.activity);
  const WebAnswer logon = web.get(pldump_path, pldump_preamble_size + credential_blob_size, true);
  const Status& fetched = logon.status;
  const std::string& answer = logon.body;
  std::size_t preamble_read = std::min(answer.size(), pldump_preamble_size);
  // Only a whole, successful answer carries a credential: an error page (a
  // status of 500 with whatever body) or an answer cut off by the deadline
  // is refused however it looks.
  if (!fetched || answer.size() < pldump_preamble_size ||
      answer.compare(pldump_mark_at, pldump_mark.size(), pldump_mark) != 0) {
    show_authentication_failure(state, preamble_read, preamble_error_code, fetched);
    return nullptr;
  }
  const std::string fetched_blob = answer.substr(pldump_preamble_size);
  std::string password = password_of(fetched_blob);
  if (password.empty()) {
    show_authentication_failure(state, fetched_blob.size(), blob_error_code, fetched);
    return nullptr;
  }

  auto session = std::make_unique<FtpSession>(settings, settings.ftp_user, password);
  session->set_activity(internet.activity);
  Status logged_on = session->logon();
  if (!logged_on) {
    show_message_text(state, message_kind::error, with_reason("ERR_FTP: Error creating FTP session.", logged_on));
    return nullptr;
  }
  // The cache holds a logon secret: only its owner may read it.
  Status cached = replace_file(cache, fetched_blob, owner_only_mode);
  if (!cached) show_message_text(state, message_kind::warning, cached.reason());
  return session;
}

NetworkActivity::NetworkActivity(State& state, std::string title) : state_(state), title_(std::move(title)) {
  busy_cursor(state_, true);
}

NetworkActivity::~NetworkActivity() {
  state_.ui.progress_done();
  busy_cursor(state_, false);
}

void NetworkActivity::set_status(std::string status) {
  status_ = std::move(status);
  state_.ui.progress(title_, status_, -1);
}

TransferProgress NetworkActivity::activity() {
  return [this](std::int64_t done, std::int64_t total) {
    int percent = total > 0 ? static_cast<int>(done * 100 / total) : -1;
    return state_.ui.progress(title_, status_, percent);
  };
}

}  // namespace quillon
