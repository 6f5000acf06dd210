// A tee-sheet import killed at any step of writing the field leaves either the
// old field or the sheet's, never a mix: the next start rolls back what the
// killed run left. The kills are real (SIGKILL in a child process).
#include <gtest/gtest.h>

#include <fstream>

#include "core/file_io.h"
#include "core/fixed_text.h"
#include "exchange/imports/tee_sheet_import.h"
#include "tests/exchange/support/exchange_fixture.h"
#include "tests/testing/killed_run.h"

namespace quillon::testing {
namespace {

constexpr int old_groups = 40;  // 160 golfers of four
constexpr int sheet_rows = 200;

void put_old_field(State& state) {
  put_cup(state, old_groups);
  std::vector<Golfer> golfers;
  for (int i = 0; i < old_groups * 4; ++i) golfers.push_back({i / 4 + 1, i % 4, "Old " + std::to_string(i), 100 + i});
  put_golfers(state, golfers);
}

std::filesystem::path write_sheet(const TestHome& home) {
  std::filesystem::path sheet = home.path() / "field.csv";
  std::ofstream out(sheet);
  out << "GroupNum,TeeTime,Name,Handicap,Gender,Division,PowerCart,Member\n";
  for (int i = 0; i < sheet_rows; ++i) out << ",,New " << i << "," << (i % 30) << ".5,M,1,No,No\n";
  return sheet;
}

// The golfers' names of groups 1..group count, in order.
std::vector<std::string> field_names(const std::filesystem::path& home) {
  ScriptedUi ui;
  FixedClock clock(DateTime{2026, 12, 7, 9, 0, 0});
  State state(ui, clock, home);
  std::vector<std::string> names;
  if (!open_database(state)) return names;
  EXPECT_TRUE(read_record(state, RecordKind::system, 1));
  apply_database_layout(state);
  EXPECT_TRUE(read_record(state, RecordKind::tournament, 1));
  for (int g = 1; g <= state.header.group_count; ++g) {
    EXPECT_TRUE(read_record(state, RecordKind::group, g));
    for (int s = 0; s < state.header.group_size; ++s)
      if (state.group.entries[s].name[0] != 0) names.push_back(field_text(state.group.entries[s].name));
  }
  return names;
}

TEST(TeeSheetImportKilled, AtEveryStepLeavesTheOldFieldOrTheSheets) {
  TestHome home;
  State& state = home.started();
  put_old_field(state);
  const std::filesystem::path sheet = write_sheet(home);
  const std::filesystem::path db = home.path() / "qlwin4.dat";
  const std::string old_file = whole_file(db);
  const std::vector<std::string> old_names = field_names(home.path());
  ASSERT_EQ(old_names.size(), 160u);

  auto run_import = [&] {
    home.ui.answer(Button::ok);  // erase the old field
    home.ui.files.push_back(sheet.string());
    EXPECT_TRUE(import_tee_sheet(state, 1));
  };
  // The sheet's field, as a run that is not killed leaves it.
  ASSERT_FALSE(killed_at_commit_step(state, 1 << 30, run_import));
  const std::string new_file = database_after_restart(home.path());
  ASSERT_FALSE(new_file == old_file);

  int old_found = 0;
  for (int step = 0;; step += 2) {
    put_whole_file(db, old_file);
    const bool was_killed = killed_at_commit_step(state, step, run_import);
    const std::string now = database_after_restart(home.path());
    ASSERT_TRUE(now == old_file || now == new_file) << "killed at step " << step;
    if (!was_killed) break;
    old_found += now == old_file;
  }
  // Killed before the field was written whole the old field comes back;
  // killed after, the sheet's stays.
  EXPECT_GT(old_found, 20);  // every second of some 50 steps
  put_whole_file(db, new_file);
  std::vector<std::string> new_names = field_names(home.path());
  ASSERT_EQ(new_names.size(), static_cast<std::size_t>(sheet_rows));
  EXPECT_EQ(new_names.front(), "New 0");
  EXPECT_EQ(new_names.back(), "New 199");
}

TEST(TeeSheetImportKilled, AnImportOfTwoHundredRowsFlushesTheFileOnce) {
  TestHome home;
  State& state = home.started();
  put_old_field(state);
  const std::filesystem::path sheet = write_sheet(home);
  home.ui.answer(Button::ok);
  home.ui.files.push_back(sheet.string());
  const long before = flush_count();
  EXPECT_TRUE(import_tee_sheet(state, 1));
  // The journal and its folder, then the database.
  EXPECT_EQ(flush_count() - before, 3);
  EXPECT_EQ(home.ui.last_message()->text, "A total of 200 golfers were imported into the (Spring Cup) tournament.");
}

}  // namespace
}  // namespace quillon::testing
