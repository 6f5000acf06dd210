#pragma once
// A small HTTP client for the board tests: requests over loopback, raw bytes
// for malformed ones, and a listener for server-sent events.
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace quillon::testing {

struct HttpReply {
  int status = 0;  // 0: no reply
  std::string body;
  std::map<std::string, std::string> headers;  // names in lower case
};

// A loopback port nobody listens on at the moment.
int free_loopback_port();

HttpReply http_request(int port, const std::string& method, const std::string& target, const std::string& body = "",
                       const std::map<std::string, std::string>& headers = {});
// A GET over TLS, trusting whatever certificate the server shows.
HttpReply https_get(int port, const std::string& target);

// Sends the bytes as they are and reads what comes back until the server
// closes or a second passes; "" when nothing came.
std::string raw_exchange(int port, const std::string& bytes);

// A page listening to /events; next_board() returns the data of the next
// "board" event, or nothing when none came within the time.
class EventListener {
 public:
  explicit EventListener(int port);
  ~EventListener();
  std::optional<std::string> next_board(std::chrono::milliseconds within = std::chrono::seconds(5));

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace quillon::testing
