#include "exchange/board/board_service.h"

#include <algorithm>
#include <cstdio>
#include <random>

#include "core/database.h"
#include "core/state.h"
#include "exchange/board/board_data.h"
#include "exchange/board/board_pages.h"
#include "exchange/board/board_pins.h"
#include "exchange/board/board_save.h"
#include "exchange/board/json.h"
#include "exchange/board/qr_code.h"
#include "scoring/score_golfer.h"

namespace quillon::board {

namespace {

constexpr std::size_t longest_target = 256;

std::string random_token() {
  std::random_device device;
  std::string token;
  for (int i = 0; i < 4; ++i) {
    char part[16];
    std::snprintf(part, sizeof part, "%08x", static_cast<unsigned>(device()));
    token += part;
  }
  return token;
}

Response json_response(int status, std::string body) {
  Response r;
  r.status = status;
  r.body = std::move(body);
  return r;
}

Response page(const char* type, std::string body) {
  Response r;
  r.content_type = type;
  r.body = std::move(body);
  return r;
}

// "/api/groups/12.json" with prefix "/api/groups/" and suffix ".json": 12; 0 when it does not fit.
int group_in(const std::string& path, const std::string& prefix, const std::string& suffix) {
  if (path.size() <= prefix.size() + suffix.size() || path.compare(0, prefix.size(), prefix) != 0 ||
      path.compare(path.size() - suffix.size(), suffix.size(), suffix) != 0)
    return 0;
  std::string number = path.substr(prefix.size(), path.size() - prefix.size() - suffix.size());
  if (number.empty() || number.size() > 3 || number.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::stoi(number);
}

std::string query_value(const std::string& target, const std::string& key) {
  auto q = target.find('?');
  if (q == std::string::npos) return "";
  std::string query = target.substr(q + 1);
  std::size_t at = 0;
  while (at <= query.size()) {
    auto end = query.find('&', at);
    std::string pair = query.substr(at, end == std::string::npos ? std::string::npos : end - at);
    if (pair.compare(0, key.size() + 1, key + "=") == 0) return pair.substr(key.size() + 1);
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return "";
}

}  // namespace

Response error_response(int status, const std::string& text) {
  return json_response(status, "{\"error\":" + json_string(text) + "}");
}

void WrongPinLimit::forget_old(std::vector<Clock::time_point>& times, Clock::time_point now) {
  times.erase(std::remove_if(times.begin(), times.end(), [&](Clock::time_point t) { return now - t >= window; }),
              times.end());
}

int WrongPinLimit::wait_seconds(const std::string& remote, int tournament, int group, Clock::time_point now) {
  auto it = failures_.find({remote, tournament, group});
  if (it == failures_.end()) return 0;
  forget_old(it->second, now);
  if (it->second.empty()) {
    failures_.erase(it);  // nothing to remember: the map holds only recent failures
    return 0;
  }
  if (static_cast<int>(it->second.size()) < tries) return 0;
  auto free_at = it->second.front() + window;
  return static_cast<int>(std::chrono::ceil<std::chrono::seconds>(free_at - now).count());
}

int WrongPinLimit::wrong(const std::string& remote, int tournament, int group, Clock::time_point now) {
  auto& times = failures_[{remote, tournament, group}];
  forget_old(times, now);
  times.push_back(now);
  return std::max(0, tries - static_cast<int>(times.size()));
}

BoardService::BoardService(std::filesystem::path home, int tournament, std::string address)
    : home_(home), tournament_(tournament), address_(std::move(address)), db_(home), token_(random_token()) {}

Status BoardService::open() {
  if (Status opened = db_.open(); !opened) return opened;
  if (entry_tournament(db_.state(), tournament_) == 0)
    return Status::failed("There is no tournament " + std::to_string(tournament_) + " to show");
  refresh();
  return Status::ok();
}

const std::filesystem::path& BoardService::database_path() const { return db_.path(); }

bool BoardService::refresh() {
  if (Status fresh = db_.refresh(); !fresh) {
    problem_ = "The database cannot be read: " + fresh.reason();
    return false;
  }
  State& state = db_.state();
  const std::uint64_t digest = board_digest(state, tournament_);
  if (built_ && digest == digest_) return false;
  digest_ = digest;
  built_ = true;
  problem_.clear();
  // Groups added since the last look get their PINs.
  if (int day = entry_tournament(state, tournament_);
      day > 0 && read_record_counted(state, RecordKind::tournament, day).value_or(0) > 0)
    if (Status pins = ensure_pins(home_, day, state.header.group_count, nullptr); !pins) problem_ = pins.reason();
  auto view = build_board(state, tournament_);
  std::string json = view ? board_json(*view) : "{\"error\":" + json_string(view.status().reason()) + "}";
  if (json == board_json_) return false;
  board_json_ = std::move(json);
  return true;
}

Response BoardService::handle(const Request& request) {
  if (request.target.empty() || request.target[0] != '/' || request.target.size() > longest_target)
    return error_response(400, "The address is not one this board serves");
  const std::string path = request.target.substr(0, request.target.find('?'));
  const bool read = request.method == "GET" || request.method == "HEAD";
  if (request.method == "POST") {
    if (int g = group_in(path, "/api/groups/", "/scores")) return api_scores(request, g);
    if (int g = group_in(path, "/api/groups/", "/pin")) return api_pin(request, g);
    return error_response(404, "Nothing to send to here");
  }
  if (!read) {
    Response r = error_response(405, "Only GET and POST are served");
    r.headers.emplace_back("Allow", "GET, HEAD, POST");
    return r;
  }
  State& state = db_.state();
  if (path == "/" || path == "/tv" || path == "/index.html") return page("text/html; charset=utf-8", board_page());
  if (path == "/group") return page("text/html; charset=utf-8", group_page(token_));
  if (path == "/board.js") return page("text/javascript; charset=utf-8", board_script());
  if (path == "/group.js") return page("text/javascript; charset=utf-8", group_script());
  if (path == "/board.css") return page("text/css; charset=utf-8", board_style());
  if (path == "/qr.svg") {
    std::string g = query_value(request.target, "group");
    bool group = !g.empty() && g.size() <= 3 && g.find_first_not_of("0123456789") == std::string::npos;
    auto code = qr_matrix(group ? address_ + "group?g=" + g : address_);
    if (!code) return error_response(500, code.status().reason());
    return page("image/svg+xml", qr_svg(*code, 240));
  }
  if (path == "/api/board.json") return json_response(200, board_json_);
  if (path == "/api/token.json") return json_response(200, "{\"token\":" + json_string(token_) + "}");
  if (path == "/api/groups.json") return json_response(200, groups_json(state, tournament_));
  if (int g = group_in(path, "/api/groups/", ".json")) {
    auto card = group_json(state, tournament_, g);
    if (!card) return error_response(404, card.status().reason());
    return json_response(200, *card);
  }
  return error_response(404, "Nothing here");
}

std::optional<Response> BoardService::refuse_write(const Request& request, int group) {
  if (request.content_type.compare(0, 16, "application/json") != 0)
    return error_response(415, "Scores are sent as application/json");
  if (!request.origin.empty() && request.origin != "http://" + request.host &&
      request.origin != "https://" + request.host)
    return error_response(403, "Scores are taken only from the board's own pages");
  if (request.token != token_) return error_response(403, "The page is out of date: reload it");
  const int day = entry_tournament(db_.state(), tournament_);
  if (int wait = limit_.wait_seconds(request.remote, day, group, WrongPinLimit::Clock::now())) {
    Response r = error_response(429, "Too many wrong PINs for group " + std::to_string(group) + ". Try again in " +
                                         std::to_string((wait + 59) / 60) + " minute(s).");
    r.headers.emplace_back("Retry-After", std::to_string(wait));
    return r;
  }
  auto book = PinBook::load(home_);
  if (!book) return error_response(500, book.status().reason());
  if (!book->matches(day, group, request.pin)) {
    int left = limit_.wrong(request.remote, day, group, WrongPinLimit::Clock::now());
    return json_response(403, "{\"error\":" + json_string("Wrong PIN for group " + std::to_string(group)) +
                                  ",\"tries_left\":" + std::to_string(left) + "}");
  }
  return std::nullopt;
}

Response BoardService::api_pin(const Request& request, int group) {
  if (auto refused = refuse_write(request, group)) return *refused;
  return json_response(200, "{\"pin\":\"ok\"}");
}

Response BoardService::api_scores(const Request& request, int group) {
  if (auto refused = refuse_write(request, group)) return *refused;
  auto body = parse_flat_object(request.body);
  if (!body) return error_response(400, "The body is not a JSON object of numbers and texts");
  auto number = [&](const char* name) -> std::optional<long long> {
    auto it = body->find(name);
    if (it == body->end() || !it->second.is_number) return std::nullopt;
    return it->second.number;
  };
  auto golfer = number("golfer"), hole = number("hole");
  auto score_it = body->find("score");
  if (!golfer || !hole || score_it == body->end())
    return error_response(400, "A score needs \"golfer\", \"hole\" and \"score\"");
  const std::string score =
      score_it->second.is_number ? std::to_string(score_it->second.number) : score_it->second.text;
  std::optional<int> was;
  if (body->count("was")) {
    auto w = number("was");
    if (!w) return error_response(400, "\"was\" is a number");
    was = static_cast<int>(*w);
  }
  auto in_range = [](long long v) { return v >= 0 && v <= 99; };
  if (!in_range(*golfer) || !in_range(*hole)) return error_response(404, "There is no such golfer or hole");
  auto scorer = [](State& s, int slot) { return score_golfer(s, slot, CardMessages::quiet); };
  if (Status fresh = db_.refresh(); !fresh)
    return error_response(500, "The database cannot be read: " + fresh.reason());
  SaveReply saved = save_hole_score(db_.state(), scorer, tournament_, group, static_cast<int>(*golfer),
                                    static_cast<int>(*hole), score, was);
  const std::string stored = ",\"stored\":" + std::to_string(saved.stored) + "}";
  switch (saved.outcome) {
    case SaveOutcome::saved: return json_response(200, "{\"saved\":true" + stored);
    case SaveOutcome::refused: return json_response(422, "{\"error\":" + json_string(saved.reason) + stored);
    case SaveOutcome::conflict: return json_response(409, "{\"error\":" + json_string(saved.reason) + stored);
    case SaveOutcome::not_found: return error_response(404, saved.reason);
    case SaveOutcome::failed: break;
  }
  return error_response(500, saved.reason.empty() ? "The score could not be saved" : saved.reason);
}

}  // namespace quillon::board
