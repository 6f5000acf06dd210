// Adding a tournament of 200 groups of four, as "Add Tournament" stores it
// (the header and all 800 golfer entries, through the journal, flushed once),
// against its floor in the same run: the same 147400 bytes put in a file with
// one write and one flush.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <string>

#include "bench/bench_home.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/testing/tournament_header.h"
#include "tournament/tournament_commands.h"

namespace quillon::bench {
namespace {

TournamentHeader two_hundred_groups() { return testing::plain_tournament_header("Big Open", 4, 200); }

void BM_NewTournament200Groups(benchmark::State& run) {
  BenchHome home("quillon-new-tournament-bench");
  State& state = *home.state;
  write_bench_course(state);
  for (auto _ : run) {
    state.header = two_hundred_groups();
    if (store_new_tournament(state) != 1) run.SkipWithError("the tournament was not stored");
    run.PauseTiming();
    state.tournament_count = 0;
    require(resize_database(state), "resize_database");
    run.ResumeTiming();
  }
}
BENCHMARK(BM_NewTournament200Groups)->Unit(benchmark::kMillisecond);

void BM_WriteTournamentBlockAndFlush(benchmark::State& run) {
  BenchHome home("quillon-block-write-bench");
  const std::string path = (home.home / "block.dat").string();
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const std::string block(tournament_block_size, '\0');
  for (auto _ : run) {
    if (::pwrite(fd, block.data(), block.size(), 15700) != static_cast<ssize_t>(block.size()) || ::fdatasync(fd) != 0)
      run.SkipWithError("the block was not written");
    run.PauseTiming();
    if (::ftruncate(fd, 0) != 0) run.SkipWithError("the file was not emptied");
    run.ResumeTiming();
  }
  ::close(fd);
}
BENCHMARK(BM_WriteTournamentBlockAndFlush)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillon::bench
