#pragma once
// The Internet session and the FTP session opener that every network command
// uses. The opener logs on with the password of the cached credential blob
// "QLWIN4.dpf" and, when that fails, with a fresh blob from the web server.
#include <memory>
#include <string>

#include "core/status.h"
#include "exchange/network/net_client.h"
#include "exchange/network/net_settings.h"

namespace quillon {

struct State;

inline constexpr const char* credential_cache_name = "QLWIN4.dpf";

// An open Internet session: the settings of "network.ini" and the hook that
// keeps the front end painted (and able to cancel) while a call runs.
struct InternetSession {
  NetworkSettings settings;
  TransferProgress activity;
};

// Reads the network settings. A malformed "network.ini" is shown to the user
// and the result is Status::told().
Status open_internet(State& state, InternetSession& session);

class NetworkActivity;
// open_internet for a command that shows `activity`: the session's transfers
// keep it going and it reads `status` from now on.
Status open_internet(State& state, InternetSession& session, NetworkActivity& activity, std::string status);

// Logs on to the FTP server as the product's user. On failure the user has
// been told and the result is empty.
std::unique_ptr<FtpSession> open_ftp_session(State& state, InternetSession& internet);

// A front end's progress indicator for the length of a network command: its
// activity() keeps the windows painted and passes on a Cancel.
class NetworkActivity {
 public:
  NetworkActivity(State& state, std::string title);
  ~NetworkActivity();
  NetworkActivity(const NetworkActivity&) = delete;
  NetworkActivity& operator=(const NetworkActivity&) = delete;

  void set_status(std::string status);
  TransferProgress activity();

 private:
  State& state_;
  std::string title_;
  std::string status_;
};

// The text of a failure for the user: the message, then the reason.
std::string with_reason(const std::string& message, const Status& status);

}  // namespace quillon
