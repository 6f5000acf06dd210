// Building results for a full field (800 golfers in 200 groups of 4, net
// scores, count back) and for 200 four-ball teams, next to reading the same
// field from the file: building results should cost at most twice the reading.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/bench_home.h"
#include "core/database.h"
#include "core/database_startup.h"
#include "core/fixed_text.h"
#include "core/scripted_ui.h"
#include "scoring/results.h"
#include "tournament/header_options.h"

namespace {

using namespace quillon;

constexpr int group_count = 200;
constexpr int group_size = 4;
constexpr int net_tournament = 1;
constexpr int four_ball_tournament = 2;

void write_field(State& state, int tournament, int format) {
  std::memset(&state.header, 0, sizeof state.header);
  set_field_text(state.header.name, "Field " + std::to_string(tournament));
  state.header.date_year = 126;
  state.header.date_month = 12;
  state.header.date_day = 7;
  state.header.format = static_cast<std::uint8_t>(format);
  state.header.group_size = group_size;
  state.header.group_count = group_count;
  state.header.division_count = 1;
  state.header.default_gender = 'M';
  state.header.results_limit = 400;
  for (int d = 0; d < 10; ++d) {
    state.header.division_tee[d] = 1;
    state.header.division_allowance[d] = 100;
  }
  header_options::set_tie_break(state.header, 0);
  header_options::set_best_balls(state.header, 2);
  bench::require(write_record(state, RecordKind::tournament, tournament), "write_record");
  bench::write_bench_field(state, group_count, group_size);
}

struct ScoredField : bench::BenchHome {
  ScoredField() : BenchHome("quillon-results-bench") {
    bench::write_bench_course(*state);
    state->course_count = 1;
    state->tournament_count = 2;
    bench::require(resize_database(*state), "resize_database");
    write_field(*state, net_tournament, 2);
    write_field(*state, four_ball_tournament, 10);
  }
};

ScoredField& scored_field() {
  static ScoredField field;
  return field;
}

void BM_ReadField(benchmark::State& bench) {
  State& state = *scored_field().state;
  if (!read_record(state, RecordKind::tournament, net_tournament)) bench.SkipWithError("the header could not be read");
  for (auto _ : bench) {
    int bytes = 0;
    for (int g = 1; g <= group_count; ++g) bytes += read_record_counted(state, RecordKind::group, g).value_or(0);
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_ReadField)->Unit(benchmark::kMicrosecond);

void build(benchmark::State& bench, int tournament, std::size_t expected_rows) {
  ScoredField& field = scored_field();
  State& state = *field.state;
  for (auto _ : bench) {
    if (!read_record(state, RecordKind::tournament, tournament)) bench.SkipWithError("the header could not be read");
    Results results = build_results(state, report_type::traditional, 0);
    benchmark::DoNotOptimize(results.rows.data());
    if (results.rows.size() != expected_rows) bench.SkipWithError("rows were lost");
  }
  if (!field.ui.messages.empty()) bench.SkipWithError("the build showed a message");
}

void BM_BuildNetResults(benchmark::State& bench) { build(bench, net_tournament, group_count * group_size); }
BENCHMARK(BM_BuildNetResults)->Unit(benchmark::kMicrosecond);

void BM_BuildFourBallResults(benchmark::State& bench) { build(bench, four_ball_tournament, group_count); }
BENCHMARK(BM_BuildFourBallResults)->Unit(benchmark::kMicrosecond);

}  // namespace
