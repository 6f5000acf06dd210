// Starting the programs, as whole processes, next to their floors in the same
// run: quillon-cli's --help against /bin/true, its results page of 800
// golfers (1607) against cat of the same database, and the desktop program's
// main window on the screen against an empty QMainWindow (both timed from the
// launch to the X server's MapNotify of the window, not by polling).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_home.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "tournament/header_options.h"

extern char** environ;

namespace {

using namespace quillon;

constexpr int group_count = 200;
constexpr int group_size = 4;

// A home folder with one tournament of 800 golfers with their scores.
struct FieldHome : bench::BenchHome {
  FieldHome() : BenchHome("quillon-startup-bench") {
    bench::write_bench_course(*state);
    std::memset(&state->header, 0, sizeof state->header);
    set_field_text(state->header.name, "Club Day");
    state->header.date_year = 126;
    state->header.date_month = 12;
    state->header.date_day = 7;
    state->header.format = 1;
    state->header.group_size = group_size;
    state->header.group_count = group_count;
    state->header.division_count = 1;
    state->header.default_gender = 'M';
    state->header.results_limit = 800;
    for (int d = 0; d < 10; ++d) {
      state->header.division_tee[d] = 1;
      state->header.division_allowance[d] = 100;
    }
    header_options::set_tie_break(state->header, 0);
    bench::require(write_record(*state, RecordKind::tournament, 1), "write_record");
    bench::write_bench_field(*state, group_count, group_size);
    state->system.getting_started_seen = 1;
    bench::require(write_record(*state, RecordKind::system, 1), "write_record");
  }
  std::string db() const { return (home / "qlwin4.dat").string(); }
};

FieldHome& field_home() {
  static FieldHome home;
  return home;
}

// Starts a program with its output to /dev/null; the process id, or -1.
pid_t start(const std::vector<std::string>& args) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

bool run_to_end(const std::vector<std::string>& args) {
  pid_t pid = start(args);
  int status = 0;
  return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double children_cpu_ms() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Wall time per run, and the processor time of the child (user and system)
// as the counter child_cpu_ms: on a busy machine the wall time also holds the
// waits for a processor.
void run_child(benchmark::State& bench, const std::vector<std::string>& args) {
  double cpu_before = children_cpu_ms();
  for (auto _ : bench) {
    if (!run_to_end(args)) {
      bench.SkipWithError(("failed: " + args[0]).c_str());
      return;
    }
  }
  bench.counters["child_cpu_ms"] =
      benchmark::Counter((children_cpu_ms() - cpu_before) / static_cast<double>(bench.iterations()));
}

void BM_Floor_True(benchmark::State& bench) { run_child(bench, {"/bin/true"}); }
void BM_CliHelp(benchmark::State& bench) { run_child(bench, {QUILLON_CLI, "--help"}); }
void BM_Floor_CatDatabase(benchmark::State& bench) { run_child(bench, {"/bin/cat", field_home().db()}); }
void BM_CliResultsPage800(benchmark::State& bench) {
  FieldHome& home = field_home();
  run_child(bench, {QUILLON_CLI, "--home", home.home.string(), "--tournament", "1", "--division", "0", "1607"});
}

// The window of the title and at least the width that a launched program
// maps first, timed from the launch to its MapNotify.
class MapWatch {
 public:
  MapWatch() : connection_(xcb_connect(nullptr, nullptr)) {
    // A busy server may turn a connection away; a few more tries.
    for (int tries = 1; xcb_connection_has_error(connection_) && tries < 10; ++tries) {
      xcb_disconnect(connection_);
      ::usleep(200'000);
      connection_ = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(connection_)) return;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
    ready_ = true;
  }
  ~MapWatch() { xcb_disconnect(connection_); }
  bool ready() const { return ready_; }

  // Seconds from the launch to the map of the window; negative on failure.
  double time_to_map(const std::vector<std::string>& args, const std::string& title, int min_width) {
    auto started = std::chrono::steady_clock::now();
    pid_t pid = start(args);
    if (pid <= 0) return -1;
    double seconds = -1;
    auto deadline = started + std::chrono::seconds(20);
    while (seconds < 0 && std::chrono::steady_clock::now() < deadline) {
      xcb_generic_event_t* event = xcb_poll_for_event(connection_);
      if (!event) {
        pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
        ::poll(&fd, 1, 100);
        continue;
      }
      if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
        xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        auto mapped = std::chrono::steady_clock::now();
        if (is_main_window(window, title, min_width)) seconds = std::chrono::duration<double>(mapped - started).count();
      }
      std::free(event);
    }
    ::kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return seconds;
  }

 private:
  bool is_main_window(xcb_window_t window, const std::string& title, int min_width) {
    auto name_cookie = xcb_get_property(connection_, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    auto geometry_cookie = xcb_get_geometry(connection_, window);
    xcb_get_property_reply_t* name = xcb_get_property_reply(connection_, name_cookie, nullptr);
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(connection_, geometry_cookie, nullptr);
    bool found = name && geometry && geometry->width >= min_width &&
                 std::string(static_cast<const char*>(xcb_get_property_value(name)),
                             static_cast<std::size_t>(xcb_get_property_value_length(name))) == title;
    std::free(name);
    std::free(geometry);
    return found;
  }

  xcb_connection_t* connection_;
  xcb_window_t root_ = 0;
  bool ready_ = false;
};

constexpr int launches = 9;

// The median of several launches, as the time of the one iteration.
void time_window(benchmark::State& bench, const std::function<std::vector<std::string>()>& command) {
  if (!std::getenv("DISPLAY")) {
    bench.SkipWithError("no X display (run under xvfb-run)");
    return;
  }
  MapWatch watch;
  if (!watch.ready()) {
    bench.SkipWithError("the X display cannot be reached");
    return;
  }
  for (auto _ : bench) {
    std::vector<double> times;
    for (int i = 0; i < launches; ++i) {
      double seconds = watch.time_to_map(command(), "Quillon", 800);
      if (seconds < 0) {
        bench.SkipWithError("the window was not mapped within 20 seconds");
        return;
      }
      times.push_back(seconds);
    }
    std::sort(times.begin(), times.end());
    bench.SetIterationTime(times[launches / 2]);
    bench.counters["fastest_ms"] = times.front() * 1e3;
    bench.counters["slowest_ms"] = times.back() * 1e3;
  }
}

void BM_Floor_EmptyMainWindowMapped(benchmark::State& bench) {
  time_window(bench, [] { return std::vector<std::string>{QUILLON_EMPTY_WINDOW}; });
}
void BM_DesktopMainWindowMapped(benchmark::State& bench) {
  time_window(bench, [] { return std::vector<std::string>{QUILLON_DESKTOP, "--home", field_home().home.string()}; });
}
// A first start on a new home folder: the window comes before the questions.
void BM_DesktopFirstStartWindowMapped(benchmark::State& bench) {
  int run = 0;
  time_window(bench, [&run] {
    std::filesystem::path fresh = field_home().home / ("fresh-" + std::to_string(++run));
    return std::vector<std::string>{QUILLON_DESKTOP, "--home", fresh.string()};
  });
}

}  // namespace

BENCHMARK(BM_Floor_True)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliHelp)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Floor_CatDatabase)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliResultsPage800)->Unit(benchmark::kMillisecond)->UseRealTime();
// The median of nine launches each.
BENCHMARK(BM_Floor_EmptyMainWindowMapped)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_DesktopMainWindowMapped)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_DesktopFirstStartWindowMapped)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
