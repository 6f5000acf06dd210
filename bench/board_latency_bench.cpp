// The clubhouse board under load: quillon-cli serve in a process of its own on
// loopback, 200 pages listening for events, and scores saved through the API
// and by another writer of the database file. Reported per run: the time from
// a save to its event at every page (p50, p99), the floor of one request's
// round trip measured in the same run, errors, lost saves and the server's
// memory. Needs the demonstration club's tournament 1.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

#include "app/demo.h"
#include "core/clock.h"
#include "core/database.h"
#include "core/database_startup.h"
#include "core/scripted_ui.h"
#include "core/state.h"
#include "exchange/board/board_pins.h"

namespace quillon::bench {
namespace {

namespace beast = boost::beast;
namespace http = beast::http;
namespace net = boost::asio;
using tcp = net::ip::tcp;
using Clock = std::chrono::steady_clock;

constexpr int pages = 200;

tcp::endpoint loopback(int port) { return {net::ip::make_address_v4("127.0.0.1"), static_cast<unsigned short>(port)}; }

int free_port() {
  net::io_context ioc;
  tcp::acceptor acceptor(ioc, loopback(0));
  return acceptor.local_endpoint().port();
}

struct Reply {
  int status = 0;
  std::string body;
};

Reply request(int port, const std::string& method, const std::string& target, const std::string& body = "",
              const std::vector<std::pair<std::string, std::string>>& headers = {}) {
  net::io_context ioc;
  beast::tcp_stream stream(ioc);
  stream.expires_after(std::chrono::seconds(10));
  beast::error_code ec;
  stream.connect(loopback(port), ec);
  if (ec) return {};
  http::request<http::string_body> req(http::string_to_verb(method), target, 11);
  req.set(http::field::host, "127.0.0.1");
  for (const auto& [name, value] : headers) req.set(name, value);
  req.body() = body;
  req.prepare_payload();
  http::write(stream, req, ec);
  beast::flat_buffer buffer;
  http::response<http::string_body> res;
  if (!ec) http::read(stream, buffer, res, ec);
  if (ec) return {};
  return {static_cast<int>(res.result_int()), res.body()};
}

// 200 pages on one thread, each noting when its latest board event came.
class Pages {
 public:
  explicit Pages(int port) {
    for (int i = 0; i < pages; ++i) {
      auto page = std::make_unique<Page>(ioc_);
      beast::error_code ec;
      page->socket.connect(loopback(port), ec);
      if (ec) throw std::runtime_error("a page could not connect: " + ec.message());
      const std::string get = "GET /events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
      net::write(page->socket, net::buffer(get), ec);
      pages_.push_back(std::move(page));
    }
    for (auto& page : pages_) read(*page);
    thread_ = std::thread([this] { ioc_.run(); });
  }
  ~Pages() {
    ioc_.stop();
    thread_.join();
  }
  // Waits until every page has had `events` board events; false after 10 s.
  bool wait_for(int events) {
    for (int i = 0; i < 10000; ++i) {
      if (std::all_of(pages_.begin(), pages_.end(), [&](const auto& p) { return p->events.load() >= events; }))
        return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
  }
  int events(int page) const { return pages_[page]->events.load(); }
  // The delays from `sent` to each page's latest event, in milliseconds.
  std::vector<double> delays(Clock::time_point sent) const {
    std::vector<double> out;
    for (const auto& p : pages_) {
      std::lock_guard<std::mutex> hold(p->mutex);
      out.push_back(std::chrono::duration<double, std::milli>(p->last - sent).count());
    }
    return out;
  }
  int closed() const {
    return static_cast<int>(
        std::count_if(pages_.begin(), pages_.end(), [](const auto& p) { return p->closed.load(); }));
  }

 private:
  struct Page {
    explicit Page(net::io_context& ioc) : socket(ioc) {}
    tcp::socket socket;
    std::array<char, 65536> chunk{};
    std::string pending;
    std::atomic<int> events{0};
    std::atomic<bool> closed{false};
    std::mutex mutex;
    Clock::time_point last;
  };
  void read(Page& p) {
    p.socket.async_read_some(net::buffer(p.chunk), [this, &p](beast::error_code ec, std::size_t n) {
      if (ec) {
        p.closed = true;
        return;
      }
      const auto now = Clock::now();
      p.pending.append(p.chunk.data(), n);
      for (std::size_t at; (at = p.pending.find("event: board\n")) != std::string::npos;) {
        auto end = p.pending.find("\n\n", at);
        if (end == std::string::npos) break;
        p.pending.erase(0, end + 2);
        {
          std::lock_guard<std::mutex> hold(p.mutex);
          p.last = now;
        }
        ++p.events;
      }
      read(p);
    });
  }
  net::io_context ioc_;
  std::vector<std::unique_ptr<Page>> pages_;
  std::thread thread_;
};

double percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(std::min<double>(v.size() - 1, p * (v.size() - 1) + 0.5))];
}

long resident_kb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

// A demonstration club in a temporary folder with the board served from it.
struct ServedClub {
  ServedClub() {
    char folder[] = "/tmp/quillon-board-bench-XXXXXX";
    if (!mkdtemp(folder)) throw std::runtime_error("no temporary folder");
    home = folder;
    FixedClock clock(DateTime{2026, 12, 7, 9, 0, 0});
    if (!prepare_demo_home(home, clock)) throw std::runtime_error("the demonstration club could not be made");
    port = free_port();
    server = fork();
    if (server == 0) {
      freopen("/dev/null", "w", stderr);
      execl(QUILLON_CLI, QUILLON_CLI, "--home", home.c_str(), "serve", "--listen",
            ("127.0.0.1:" + std::to_string(port)).c_str(), "--tournament", "1", static_cast<char*>(nullptr));
      _exit(127);
    }
    for (int i = 0; i < 500 && request(port, "GET", "/api/token.json").status != 200; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    Reply token_reply = request(port, "GET", "/api/token.json");
    if (token_reply.status != 200) throw std::runtime_error("the board did not start");
    token = token_reply.body.substr(10, 32);
    auto book = board::PinBook::load(home);
    if (!book) throw std::runtime_error("no PINs");
    pins = *book;
  }
  ~ServedClub() {
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
    std::error_code ec;
    std::filesystem::remove_all(home, ec);
  }
  int save(int group, int golfer, int hole, int score) {
    const std::string body = "{\"golfer\":" + std::to_string(golfer) + ",\"hole\":" + std::to_string(hole) +
                             ",\"score\":" + std::to_string(score) + "}";
    return request(
               port, "POST", "/api/groups/" + std::to_string(group) + "/scores", body,
               {{"Content-Type", "application/json"}, {"X-Board-Pin", pins.pin(1, group)}, {"X-Board-Token", token}})
        .status;
  }
  std::filesystem::path home;
  int port = 0;
  pid_t server = 0;
  std::string token;
  board::PinBook pins;
};

// Another program's write: a state block of its own on the file.
struct OtherWriter {
  explicit OtherWriter(const std::filesystem::path& home) : state(ui, clock, home) {
    if (!open_database(state)) throw std::runtime_error("the database cannot be opened");
    if (!read_configuration(state) || !finish_database_startup(state))
      throw std::runtime_error("the database cannot be read");
  }
  void write(int group, int slot, int hole, int score) {
    if (!read_record(state, RecordKind::tournament, 1) || !read_record(state, RecordKind::group, group))
      throw std::runtime_error("the read failed");
    state.group.entries[slot - 1].hole_scores[hole - 1] = static_cast<std::int8_t>(score);
    if (!write_record(state, RecordKind::group, group)) throw std::runtime_error("the write failed");
  }
  ScriptedUi ui;
  FixedClock clock{DateTime{2026, 12, 7, 9, 0, 0}};
  State state;
};

void report_delays(benchmark::State& state, const std::vector<double>& delays, double floor_ms) {
  state.counters["p50_ms"] = percentile(delays, 0.50);
  state.counters["p99_ms"] = percentile(delays, 0.99);
  state.counters["max_ms"] = percentile(delays, 1.0);
  state.counters["floor_request_ms"] = floor_ms;
}

double request_floor(int port) {
  std::vector<double> times;
  for (int i = 0; i < 50; ++i) {
    auto t0 = Clock::now();
    request(port, "GET", "/api/token.json");
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
  }
  return percentile(times, 0.5);
}

// Time from a save to its event at each of 200 listening pages.
void BM_BoardUpdateLatency(benchmark::State& state, bool through_api) {
  ServedClub club;
  Pages listening(club.port);
  if (!listening.wait_for(1)) state.SkipWithError("the pages did not all get the first board");
  OtherWriter other(club.home);
  std::vector<double> delays;
  int expected = 1, errors = 0;
  for (auto _ : state) {
    for (int save = 0; save < 20; ++save) {
      const int score = 3 + save % 2 * 2;  // the hole changes every time
      const auto sent = Clock::now();
      if (through_api) errors += club.save(1, 1, 1, score) != 200;
      else other.write(1, 1, 1, score);
      ++expected;
      if (!listening.wait_for(expected)) {
        state.SkipWithError("an event did not reach every page within 10 s");
        return;
      }
      auto d = listening.delays(sent);
      delays.insert(delays.end(), d.begin(), d.end());
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  }
  report_delays(state, delays, request_floor(club.port));
  state.counters["errors"] = errors;
  state.counters["pages"] = pages;
}
BENCHMARK_CAPTURE(BM_BoardUpdateLatency, api, true)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_BoardUpdateLatency, other_writer, false)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// 200 boards and 10 saves a second for 60 seconds: every save answered 200,
// every one in the file at the end, no page dropped.
void BM_BoardSoak(benchmark::State& state) {
  ServedClub club;
  Pages listening(club.port);
  if (!listening.wait_for(1)) state.SkipWithError("the pages did not all get the first board");
  const long memory_before = resident_kb(club.server);
  int errors = 0, saves = 0;
  std::map<std::tuple<int, int, int>, int> last;  // (group, golfer, hole) -> score
  for (auto _ : state) {
    const auto start = Clock::now();
    for (int i = 0; i < 600; ++i) {
      std::this_thread::sleep_until(start + std::chrono::milliseconds(100 * i));
      const int group = 1 + i % 5, golfer = 1 + (i / 5) % 4, hole = 1 + (i / 20) % 18, score = 2 + i % 7;
      errors += club.save(group, golfer, hole, score) != 200;
      last[{group, golfer, hole}] = score;
      ++saves;
    }
  }
  OtherWriter reader(club.home);
  int lost = 0;
  for (const auto& [place, score] : last) {
    const auto [group, golfer, hole] = place;
    if (!read_record(reader.state, RecordKind::tournament, 1) || !read_record(reader.state, RecordKind::group, group))
      throw std::runtime_error("the read failed");
    lost += reader.state.group.entries[golfer - 1].hole_scores[hole - 1] != score;
  }
  state.counters["saves"] = saves;
  state.counters["errors"] = errors;
  state.counters["lost_saves"] = lost;
  state.counters["pages_dropped"] = listening.closed();
  state.counters["server_rss_kb_before"] = memory_before;
  state.counters["server_rss_kb_after"] = resident_kb(club.server);
}
BENCHMARK(BM_BoardSoak)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace quillon::bench
