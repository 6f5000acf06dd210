// Packing and verifying a backup of a full database (998 tournaments, about
// 147 MB) with the working files of the backup, against copying the same
// file with cp and compressing it with gzip -1 and zstd -1, run as child
// processes in the same run.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "bench/bench_home.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "exchange/backup/backup.h"

namespace {

using namespace quillon;

constexpr int full_count = 998;
constexpr int field_size = 72;  // golfers of a typical tournament

struct ClubHistory : bench::BenchHome {
  ClubHistory() : BenchHome("quillon-backup-bench") {
    state->tournament_count = full_count;
    bench::require(resize_database(*state), "setting up the benchmark");
    for (int t = 1; t <= full_count; ++t) {
      TournamentHeader header{};
      header.date_year = static_cast<std::int8_t>(100 + t % 27);
      header.date_month = 6;
      header.date_day = 1;
      header.group_size = 4;
      header.group_count = field_size / 4;
      set_field_text(header.name, "Tournament " + std::to_string(t));
      bench::require(state->db.write_at(tournament_offset(*state, t), &header, sizeof header),
                     "setting up the benchmark");
      for (int i = 0; i < field_size; ++i) {
        GolferEntry golfer{};
        set_field_text(golfer.name, "Golfer " + std::to_string(i));
        set_field_text(golfer.member_id, std::to_string(10000 + i));
        for (int h = 0; h < 18; ++h) golfer.hole_scores[h] = static_cast<std::int8_t>(3 + (t + i + h) % 4);
        golfer.gross_score = static_cast<std::int16_t>(70 + (t + i) % 25);
        golfer.handicap_index = static_cast<std::int16_t>(i * 7 % 360);
        bench::require(state->db.write_at(tournament_offset(*state, t) + tournament_header_size + golfer_entry_size * i,
                                          &golfer, sizeof golfer),
                       "setting up the benchmark");
      }
    }
    bench::require(state->db.flush(), "setting up the benchmark");
  }
  std::string db() const { return (home / "qlwin4.dat").string(); }
  std::string out() const { return (home / "bench.out").string(); }
};

ClubHistory& club() {
  static ClubHistory history;
  return history;
}

void run_child(benchmark::State& bench, const std::string& command) {
  for (auto _ : bench) {
    if (std::system(command.c_str()) != 0) {
      bench.SkipWithError(("failed: " + command).c_str());
      return;
    }
  }
  std::filesystem::remove(club().out());
}

void BM_BackupPackAndVerify(benchmark::State& bench) {
  ClubHistory& c = club();
  std::int64_t packed = 0;
  for (auto _ : bench) {
    auto size = make_packed_image(*c.state);
    if (!size) {
      bench.SkipWithError("the backup failed");
      return;
    }
    packed = *size;
  }
  bench.counters["packed_MB"] = static_cast<double>(packed) / 1e6;
  bench.counters["database_MB"] = static_cast<double>(c.state->db.length()) / 1e6;
}
BENCHMARK(BM_BackupPackAndVerify)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CopyWithCp(benchmark::State& bench) { run_child(bench, "cp '" + club().db() + "' '" + club().out() + "'"); }
BENCHMARK(BM_CopyWithCp)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Gzip1(benchmark::State& bench) {
  run_child(bench, "gzip -1 -c '" + club().db() + "' > '" + club().out() + "'");
}
BENCHMARK(BM_Gzip1)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Zstd1(benchmark::State& bench) {
  run_child(bench, "zstd -1 -q -f '" + club().db() + "' -o '" + club().out() + "'");
}
BENCHMARK(BM_Zstd1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
