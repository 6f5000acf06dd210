#pragma once
// The board's answers to requests, apart from the network: routing, the
// pages, the board and group data, PIN checks with their limit, the token
// that writes must carry, and score saving. One thread at a time uses it.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "core/status.h"
#include "exchange/board/board_database.h"

namespace quillon::board {

struct Request {
  std::string method;  // "GET", "HEAD", "POST", ...
  std::string target;  // path and query as sent
  std::string remote;  // the client's address
  std::string host, origin, content_type, pin, token;  // headers
  std::string body;
};

struct Response {
  int status = 200;
  std::string content_type = "application/json";
  std::string body;
  std::vector<std::pair<std::string, std::string>> headers;
};

// Five wrong PINs for a group from one address within ten minutes stop that
// address from trying that group until the first of them is ten minutes old.
class WrongPinLimit {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr int tries = 5;
  static constexpr std::chrono::minutes window{10};
  // Seconds until the address may try again, 0 when it may now.
  int wait_seconds(const std::string& remote, int tournament, int group, Clock::time_point now);
  // Records a wrong PIN; returns the tries left before the pause.
  int wrong(const std::string& remote, int tournament, int group, Clock::time_point now);

 private:
  using Key = std::tuple<std::string, int, int>;
  void forget_old(std::vector<Clock::time_point>& times, Clock::time_point now);
  std::map<Key, std::vector<Clock::time_point>> failures_;
};

class BoardService {
 public:
  // `address` is what people open ("http://ADDR:PORT/"), for the QR codes.
  BoardService(std::filesystem::path home, int tournament, std::string address);
  [[nodiscard]] Status open();

  Response handle(const Request& request);

  // Reads the file's digest and rebuilds the board when it changed. True
  // when the board data is new.
  bool refresh();
  // The board as JSON, as last built.
  const std::string& board() const { return board_json_; }
  // The token writes carry in X-Board-Token.
  const std::string& token() const { return token_; }
  int tournament() const { return tournament_; }
  const std::string& address() const { return address_; }
  const std::filesystem::path& database_path() const;
  // What went wrong in the last refresh (the PIN file could not be
  // written, say), "" when nothing did.
  const std::string& problem() const { return problem_; }

 private:
  Response api_scores(const Request& request, int group);
  Response api_pin(const Request& request, int group);
  // The PIN and token checks of a write; a response when they fail.
  std::optional<Response> refuse_write(const Request& request, int group);

  std::filesystem::path home_;
  int tournament_ = 0;
  std::string address_;
  BoardDatabase db_;
  WrongPinLimit limit_;
  std::string token_;
  std::uint64_t digest_ = 0;
  bool built_ = false;
  std::string board_json_;
  std::string problem_;
};

// A JSON object {"error": text} with the HTTP status.
Response error_response(int status, const std::string& text);

}  // namespace quillon::board
