// Backup, verify-backup and restore of a full database (998 tournaments,
// about 147 MB), each paired in every iteration with its floor run as a child
// process on the same file: cp of the database for the backup and the
// restore (and cp with the copy flushed to the disk, as Quillon flushes what
// it writes), zstd -1 for the backup as well, zstd -t of a zstd file of the
// database for the check. The counters give the floors' medians and the
// ratios of the medians (Quillon's job / floor). The ring of pre-restore
// images is kept full, so that each restore deletes its oldest image.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_home.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "exchange/backup/backup.h"
#include "exchange/backup/backup_check.h"
#include "exchange/backup/backup_dialogs.h"
#include "exchange/backup/backup_server.h"
#include "exchange/backup/restore.h"

namespace {

using namespace quillon;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int full_count = 998;
constexpr int field_size = 72;  // golfers of a typical tournament
constexpr int iterations = 5;

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
    fs::create_directories(home / "saved");
    // The ring of pre-restore images is full, as after ten restores: every
    // restore deletes the oldest.
    for (int age = 0; age < restore_ring_size; ++age)
      fs::copy_file(db(), home / restore_ring_name(age), fs::copy_options::overwrite_existing);
    if (std::system(("zstd -1 -q -f '" + db() + "' -o '" + zst() + "'").c_str()) != 0)
      throw std::runtime_error("zstd is needed for the benchmark (scripts/install-deps.sh)");
  }
  std::string db() const { return (home / "qlwin4.dat").string(); }
  std::string out() const { return (home / "floor.out").string(); }
  std::string zst() const { return (home / "qlwin4.dat.zst").string(); }
  fs::path backup() const { return home / "saved" / "CLUB.BKP"; }
};

ClubHistory& club() {
  static ClubHistory history;
  return history;
}

// Wall-clock and processor time (user and system) of one run.
struct Times {
  double wall = -1;
  double cpu = -1;
};

double cpu_seconds(int who) {
  rusage usage{};
  ::getrusage(who, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// `who` is RUSAGE_SELF for Quillon's job, RUSAGE_CHILDREN for a floor run as a child.
Times times_of(const std::function<bool()>& job, int who) {
  double cpu_before = cpu_seconds(who);
  auto begin = Clock::now();
  if (!job()) return {};
  return {std::chrono::duration<double>(Clock::now() - begin).count(), cpu_seconds(who) - cpu_before};
}

bool run_child(const std::string& command) { return std::system(command.c_str()) == 0; }

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Times Quillon's job and each floor once per iteration, in turn, and reports
// the medians: the job's wall-clock time as the benchmark's time, and as
// counters the floors' times and the ratios of the medians, of wall-clock time
// and of processor time (on a busy machine the second says more).
void paired(benchmark::State& bench, const std::function<bool()>& job,
            const std::vector<std::pair<std::string, std::string>>& floors) {
  std::vector<double> job_wall, job_cpu;
  std::vector<std::vector<double>> floor_wall(floors.size()), floor_cpu(floors.size());
  for (auto _ : bench) {
    for (std::size_t f = 0; f < floors.size(); ++f) {
      Times t = times_of([&] { return run_child(floors[f].second); }, RUSAGE_CHILDREN);
      if (t.wall < 0) return bench.SkipWithError(("failed: " + floors[f].second).c_str());
      floor_wall[f].push_back(t.wall);
      floor_cpu[f].push_back(t.cpu);
    }
    Times t = times_of(job, RUSAGE_SELF);
    if (t.wall < 0) return bench.SkipWithError("the job failed");
    job_wall.push_back(t.wall);
    job_cpu.push_back(t.cpu);
    bench.SetIterationTime(t.wall);
  }
  bench.counters["quillon_ms"] = median(job_wall) * 1e3;
  bench.counters["quillon_cpu_ms"] = median(job_cpu) * 1e3;
  for (std::size_t f = 0; f < floors.size(); ++f) {
    const std::string& name = floors[f].first;
    bench.counters[name + "_ms"] = median(floor_wall[f]) * 1e3;
    bench.counters[name + "_cpu_ms"] = median(floor_cpu[f]) * 1e3;
    bench.counters["ratio_to_" + name] = median(job_wall) / median(floor_wall[f]);
    bench.counters["cpu_ratio_to_" + name] = median(job_cpu) / median(floor_cpu[f]);
  }
  bench.counters["database_MB"] = static_cast<double>(fs::file_size(club().db())) / 1e6;
  if (fs::exists(club().backup()))
    bench.counters["backup_MB"] = static_cast<double>(fs::file_size(club().backup())) / 1e6;
  fs::remove(club().out());
}

bool last_message_starts(const ScriptedUi& ui, const std::string& text) {
  return ui.last_message() && ui.last_message()->text.rfind(text, 0) == 0;
}

// File / Backup Database to a local folder, overwriting the backup of the last iteration.
bool back_up() {
  ClubHistory& c = club();
  c.ui.messages.clear();
  if (fs::exists(c.backup())) c.ui.answer(Button::yes);
  c.ui.dialog(DialogScript{{{std::string("!") + save_local_button, ""}}, false, false});
  c.ui.files.push_back((c.home / "saved" / "club").string());
  NetworkServicesNotSetUp server;
  if (!backup_database(*c.state, server)) return false;
  return last_message_starts(c.ui, "The requested backup was successfully completed.");
}

// What quillon-cli verify-backup does: the whole check, in memory.
bool verify() {
  BackupContents contents;
  return read_backup(club().backup(), nullptr, contents).is_ok() && contents.has_checksum;
}

// File / Restore Database from that backup (the pre-restore ring turning as always).
bool restore() {
  ClubHistory& c = club();
  c.ui.messages.clear();
  c.ui.dialog(
      DialogScript{{{confirmation_field, "restore"}, {std::string("!") + restore_browse_button, ""}}, false, false});
  c.ui.files.push_back(c.backup().string());
  NetworkServicesNotSetUp server;
  const bool done = restore_command(*c.state, server).is_ok();
  c.state->exit_requested = false;
  return done && last_message_starts(c.ui, "The requested restore was successfully completed.");
}

void BM_Backup(benchmark::State& bench) {
  ClubHistory& c = club();
  paired(bench, back_up,
         {{"cp", "cp '" + c.db() + "' '" + c.out() + "'"},
          {"cp_sync", "cp '" + c.db() + "' '" + c.out() + "' && sync '" + c.out() + "'"},
          {"zstd_1", "zstd -1 -q -f '" + c.db() + "' -o '" + c.out() + "'"}});
}
BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond)->Iterations(iterations)->UseManualTime();

void BM_VerifyBackup(benchmark::State& bench) {
  if (!fs::exists(club().backup()) && !back_up()) return bench.SkipWithError("no backup to verify");
  paired(bench, verify, {{"zstd_t", "zstd -t -q '" + club().zst() + "'"}});
}
BENCHMARK(BM_VerifyBackup)->Unit(benchmark::kMillisecond)->Iterations(iterations)->UseManualTime();

void BM_Restore(benchmark::State& bench) {
  if (!fs::exists(club().backup()) && !back_up()) return bench.SkipWithError("no backup to restore");
  const std::string copy = "cp '" + club().db() + "' '" + club().out() + "'";
  paired(bench, restore, {{"cp", copy}, {"cp_sync", copy + " && sync '" + club().out() + "'"}});
}
BENCHMARK(BM_Restore)->Unit(benchmark::kMillisecond)->Iterations(iterations)->UseManualTime();

}  // namespace
