// What a killed run leaves behind is dealt with at the next start: its work
// files are removed, and a tee-sheet import of quillon-cli killed (SIGKILL) at
// random moments leaves the old field or the sheet's, never a mix.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "app/startup.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/testing/killed_run.h"
#include "tests/testing/test_home.h"
#include "tests/testing/tournament_header.h"

namespace quillon {
namespace {

using testing::TestHome;
namespace fs = std::filesystem;

bool start(State& state) {
  int code = -1;
  return run_startup(state, parse_startup_words({}), code) && code == 0;
}

TEST(KilledRun, ItsWorkFilesAreRemovedAtTheNextStartAndNothingElse) {
  TestHome home;
  ASSERT_TRUE(start(*home.new_state()));
  const std::vector<std::string> left = {"qlwin4.exp", "qlwin4db.ql$", ".import.txt.part", "build.inf.part",
                                         "CLUB.hdx.part"};
  const std::vector<std::string> kept = {"qlwin4.dat",    "qlwin4db.sav", "import.txt",
                                         "TeeSheet.xlsx", "part",         "notes.partial"};
  for (const std::string& name : left) std::ofstream(home.path() / name) << "left by a killed run";
  for (const std::string& name : kept)
    if (!fs::exists(home.path() / name)) std::ofstream(home.path() / name) << "the club's";
  fs::create_directory(home.path() / "old.part");
  // The database's replacement a killed restore was writing.
  const fs::path restore_left = home.path() / ".qlwin4.dat.x7Yq2Z";
  std::ofstream(restore_left) << "half of a restored database";
  fs::last_write_time(restore_left, fs::file_time_type::clock::now() - std::chrono::hours(1));

  ASSERT_TRUE(start(*home.new_state()));
  EXPECT_FALSE(fs::exists(restore_left));
  for (const std::string& name : left) EXPECT_FALSE(fs::exists(home.path() / name)) << name;
  for (const std::string& name : kept) EXPECT_TRUE(fs::exists(home.path() / name)) << name;
  EXPECT_TRUE(fs::is_directory(home.path() / "old.part"));
}

// The names in groups 1..group count of tournament 1, as the next start sees them.
std::vector<std::string> field_after_restart(TestHome& home) {
  auto state = home.new_state();
  std::vector<std::string> names;
  if (!start(*state)) return {"(the start failed)"};
  EXPECT_TRUE(read_record(*state, RecordKind::tournament, 1));
  for (int g = 1; g <= state->header.group_count; ++g) {
    EXPECT_TRUE(read_record(*state, RecordKind::group, g));
    for (int s = 0; s < state->header.group_size; ++s)
      if (state->group.entries[s].name[0] != 0) names.push_back(field_text(state->group.entries[s].name));
  }
  return names;
}

void put_old_field(State& state) {
  std::memset(&state.course, 0, sizeof state.course);
  set_field_text(state.course.course_name, "Lakeside");
  set_field_text(state.course.tee_name, "White");
  state.course.hole_count = 18;
  ASSERT_TRUE(write_record(state, RecordKind::course, 1));
  state.tournament_count = 1;
  ASSERT_TRUE(resize_database(state));
  TournamentHeader h = testing::plain_tournament_header("Spring Cup", 4, 40);
  h.default_gender = 'M';
  state.header = h;
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 1));
  for (int g = 1; g <= 40; ++g) {
    std::memset(&state.group, 0, sizeof state.group);
    for (int s = 0; s < 4; ++s) {
      set_field_text(state.group.entries[s].name, "Old " + std::to_string((g - 1) * 4 + s));
      state.group.entries[s].gender = 'M';
      state.group.entries[s].division = 1;
    }
    ASSERT_TRUE(write_record(state, RecordKind::group, g));
  }
}

// Runs the import in quillon-cli and kills it after `delay` (none: let it end).
bool cli_import_killed_after(const TestHome& home, const fs::path& sheet, std::chrono::microseconds delay, bool kill) {
  const pid_t child = ::fork();
  if (child == 0) {
    std::freopen("/dev/null", "w", stdout);
    std::freopen("/dev/null", "w", stderr);
    ::execl(QUILLON_CLI, "quillon-cli", "--home", home.path().c_str(), "--today", "2026-12-07", "--tournament", "1",
            "--file", sheet.c_str(), "--answer", "ok", "1106", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  if (kill) {
    std::this_thread::sleep_for(delay);
    ::kill(child, SIGKILL);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFSIGNALED(status);
}

TEST(KilledRun, ACommandLineImportKilledAtRandomMomentsLeavesTheOldFieldOrTheSheets) {
  TestHome home;
  State& state = home.started();
  put_old_field(state);
  const fs::path sheet = home.path() / "field.csv";
  {
    std::ofstream out(sheet);
    out << "GroupNum,TeeTime,Name,Handicap,Gender,Division,PowerCart,Member\n";
    for (int i = 0; i < 200; ++i) out << ",,New " << i << "," << (i % 30) << ".5,M,1,No,No\n";
  }
  const fs::path db = home.path() / "qlwin4.dat";
  const std::string old_file = testing::whole_file(db);
  const std::vector<std::string> old_names = field_after_restart(home);
  ASSERT_EQ(old_names.size(), 160u);

  // A run that is not killed, and how long it takes.
  testing::put_whole_file(db, old_file);
  const auto started = std::chrono::steady_clock::now();
  ASSERT_FALSE(cli_import_killed_after(home, sheet, {}, false));
  const auto whole_run =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
  const std::vector<std::string> new_names = field_after_restart(home);
  ASSERT_EQ(new_names.size(), 200u);

  std::mt19937 random(20261207);
  // Most of a run is starting and reading the sheet; the moments lean to its
  // second half, where the field is written.
  std::uniform_int_distribution<long> moment(whole_run.count() / 3, whole_run.count() * 6 / 5);
  int old_seen = 0, new_seen = 0;
  for (int run = 0; run < 40; ++run) {
    testing::put_whole_file(db, old_file);
    const std::chrono::microseconds delay(moment(random));
    cli_import_killed_after(home, sheet, delay, true);
    const std::vector<std::string> names = field_after_restart(home);
    const bool is_old = names == old_names, is_new = names == new_names;
    ASSERT_TRUE(is_old || is_new) << "killed after " << delay.count() << " us: " << names.size() << " golfers";
    old_seen += is_old;
    new_seen += is_new;
  }
  EXPECT_EQ(old_seen + new_seen, 40);
}

}  // namespace
}  // namespace quillon
