// The start-up tournament scan on a full database (998 tournaments, about
// 147 MB) against plain positioned reads of the same headers, and the group
// record reads and writes that score entry and results rely on.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>
#include <cstring>
#include <stdexcept>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/bench_home.h"
#include "core/database.h"
#include "core/database_startup.h"
#include "core/fixed_text.h"
#include "core/scripted_ui.h"

namespace {

using namespace quillon;

constexpr int full_count = 998;

struct FullDatabase : bench::BenchHome {
  FullDatabase() : BenchHome("quillon-bench") {
    state->tournament_count = full_count;
    bench::require(resize_database(*state), "resize_database");
    for (int t = 1; t <= full_count; ++t) {
      std::memset(&state->header, 0, sizeof state->header);
      state->header.date_year = static_cast<std::int8_t>(100 + t % 27);
      state->header.date_month = 6;
      state->header.date_day = 1;
      state->header.group_size = 4;
      state->header.group_count = 200;
      set_field_text(state->header.name, "Tournament " + std::to_string(t));
      bench::require(state->db.write_at(tournament_offset(*state, t), &state->header, sizeof state->header),
                     "write_at");
    }
    bench::require(state->db.flush(), "flush");
  }
};

FullDatabase& full_database() {
  static FullDatabase db;
  return db;
}

void BM_StartupTournamentScan(benchmark::State& bench) {
  FullDatabase& db = full_database();
  for (auto _ : bench) {
    if (!scan_tournaments_at_startup(*db.state)) bench.SkipWithError("the scan could not read");
    db.ui.messages.clear();
    benchmark::DoNotOptimize(db.state->tournament_count);
  }
  if (db.state->tournament_count != full_count) bench.SkipWithError("the scan lost tournaments");
}
BENCHMARK(BM_StartupTournamentScan)->Unit(benchmark::kMillisecond);

void BM_PlainHeaderReads(benchmark::State& bench) {
  FullDatabase& db = full_database();
  int fd = ::open((db.home / "qlwin4.dat").c_str(), O_RDONLY);
  TournamentHeader header;
  for (auto _ : bench) {
    for (int t = 1; t <= full_count; ++t) {
      ssize_t got = ::pread(fd, &header, sizeof header, tournament_offset(*db.state, t));
      benchmark::DoNotOptimize(got);
    }
  }
  ::close(fd);
}
BENCHMARK(BM_PlainHeaderReads)->Unit(benchmark::kMillisecond);

void BM_ReadGroup(benchmark::State& bench) {
  FullDatabase& db = full_database();
  if (!read_record(*db.state, RecordKind::tournament, 500)) bench.SkipWithError("the header could not be read");
  int group = 0;
  for (auto _ : bench) {
    group = group % 200 + 1;
    Status read = read_record(*db.state, RecordKind::group, group);
    benchmark::DoNotOptimize(read);
  }
}
BENCHMARK(BM_ReadGroup);

void BM_WriteGroup(benchmark::State& bench) {
  FullDatabase& db = full_database();
  if (!read_record(*db.state, RecordKind::tournament, 500)) bench.SkipWithError("the header could not be read");
  int group = 0;
  for (auto _ : bench) {
    group = group % 200 + 1;
    benchmark::DoNotOptimize(write_record(*db.state, RecordKind::group, group));
  }
}
BENCHMARK(BM_WriteGroup);

}  // namespace
