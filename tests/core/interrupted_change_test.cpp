// Operations that move tournament blocks either finish or leave the file as it
// was: the space is claimed first, and a failure half-way puts the snapshot
// back. Faults are injected for real (a fail-after-N-bytes hook in the file
// layer, a file-size limit, a link planted in the home folder).
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/core/database_test_support.h"
#include "tests/testing/files.h"
#include "tests/testing/read_failure.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::Bytes;
using testing::file_bytes;
using testing::FileSizeLimit;
using testing::first_difference;
using testing::TestHome;

// The number of tournaments purged, or -1 when the purge failed.
int purge_before(State& state, Date cutoff) {
  int purged = 0;
  return purge_tournaments(state, cutoff, purged) ? purged : -1;
}

// Tournaments of the given years, each with a golfer in its last group; a
// year of 0 leaves the slot free.
void fill(State& state, std::initializer_list<int> years) {
  int t = 0;
  for (int year : years) {
    ++t;
    std::memset(&state.header, 0, sizeof state.header);
    if (year != 0) {
      set_field_text(state.header.name, "Tournament " + std::to_string(t));
      state.header.date_year = static_cast<std::int8_t>(year - 1900);
      state.header.date_month = 6;
      state.header.date_day = 1;
    }
    state.header.group_size = 4;
    ASSERT_TRUE(write_record(state, RecordKind::tournament, t));
    std::memset(&state.group, 0, sizeof state.group);
    if (year != 0) set_field_text(state.group.entries[3].name, "Golfer of " + std::to_string(t));
    ASSERT_TRUE(write_record(state, RecordKind::group, 200));
  }
  state.tournament_count = t;
}

std::filesystem::path db_of(const TestHome& home) { return home.path() / "qlwin4.dat"; }
std::filesystem::path snapshot_of(const TestHome& home) { return home.path() / "qlwin4db.sav"; }

TEST(InterruptedSlotChange, AWriteFailingHalfWayPutsTheFileBack) {
  TestHome home;
  State& state = home.started();
  fill(state, {2026, 2026, 2026});
  Bytes original = file_bytes(db_of(home));
  home.ui.messages.clear();

  // The last block moves whole, the next one fails after 1000 bytes.
  state.db.fail_writes_after(147400 + 1000);
  EXPECT_FALSE(change_course_slot_count(state, 100));

  EXPECT_EQ(first_difference(file_bytes(db_of(home)), original), -1);
  EXPECT_EQ(state.system.course_slot_count, 50);
  EXPECT_FALSE(state.exit_requested);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].title, "Quillon - Error");
  EXPECT_EQ(home.ui.messages[0].text,
            "The change to the number of courses to be stored could not be completed (write: No space left on "
            "device).\n\nThe database has been put back as it was before the change.");

  // The snapshot is still the good file, and a retry succeeds.
  EXPECT_EQ(first_difference(file_bytes(snapshot_of(home)), original), -1);
  home.ui.messages.clear();
  EXPECT_TRUE(change_course_slot_count(state, 100));
  EXPECT_EQ(file_bytes(db_of(home)).size(), original.size() + 15000);
}

TEST(InterruptedSlotChange, ShrinkingThatFailsHalfWayIsPutBackToo) {
  TestHome home;
  State& state = home.started();
  fill(state, {2026, 2026});
  ASSERT_TRUE(change_course_slot_count(state, 100));
  State& grown = home.started();
  Bytes original = file_bytes(db_of(home));
  home.ui.messages.clear();
  grown.db.fail_writes_after(2000);
  EXPECT_FALSE(change_course_slot_count(grown, 50));
  EXPECT_EQ(first_difference(file_bytes(db_of(home)), original), -1);
}

TEST(InterruptedSlotChange, TooLittleSpaceChangesNothing) {
  TestHome home;
  State& state = home.started();
  fill(state, {2026, 2026});
  const std::string original = testing::file_contents(db_of(home));
  home.ui.messages.clear();
  Status changed = Status::ok();
  {
    FileSizeLimit limit(original.size() + 100);  // growing needs 15000 bytes more
    changed = change_course_slot_count(state, 100);
  }
  EXPECT_FALSE(changed);
  EXPECT_TRUE(testing::file_contents(db_of(home)) == original);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].text,
            "There is not enough free disk space to change the number of courses to be stored (write: File too "
            "large).\n\nNothing has been changed.");
}

TEST(Snapshot, AFailedCopyLeavesTheOldSnapshotWhole) {
  TestHome home;
  State& state = home.started();
  fill(state, {2026});
  const std::string original = testing::file_contents(db_of(home));
  std::ofstream(snapshot_of(home), std::ios::binary) << "the good copy of yesterday";
  home.ui.messages.clear();
  Status changed = Status::ok();
  {
    FileSizeLimit limit(100000);  // smaller than the database
    changed = change_course_slot_count(state, 100);
  }
  EXPECT_FALSE(changed);
  EXPECT_EQ(testing::file_contents(snapshot_of(home)), "the good copy of yesterday");
  EXPECT_TRUE(testing::file_contents(db_of(home)) == original);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].text,
            "A error was encountered making a backup copy of the database.  The requested change to the number "
            "of courses to be stored was NOT successfully completed.\n\ncannot write " +
                snapshot_of(home).string() + ": File too large");
  // No half-written copy is left behind under another name.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(home.path())) ++files;
  EXPECT_EQ(files, 2);
}

TEST(Snapshot, ALinkPlantedInTheHomeFolderIsReplacedNotFollowed) {
  TestHome home;
  State& state = home.started();
  fill(state, {2026});
  const std::string original = testing::file_contents(db_of(home));
  const auto victim = home.path() / "elsewhere.txt";
  std::ofstream(victim) << "not Quillon's";
  std::filesystem::create_symlink(victim, snapshot_of(home));

  ASSERT_TRUE(change_course_slot_count(state, 100));
  EXPECT_EQ(testing::file_contents(victim), "not Quillon's");
  EXPECT_FALSE(std::filesystem::is_symlink(snapshot_of(home)));
  EXPECT_TRUE(testing::file_contents(snapshot_of(home)) == original);
}

TEST(InterruptedPurge, AWriteFailingHalfWayPutsTheFileBack) {
  TestHome home;
  State& state = home.started();
  fill(state, {2019, 0, 2026, 2026});
  Bytes original = file_bytes(db_of(home));
  home.ui.messages.clear();

  state.db.fail_writes_after(1000);  // the first move fails
  EXPECT_EQ(purge_before(state, Date{125, 1, 1}), -1);
  EXPECT_EQ(first_difference(file_bytes(db_of(home)), original), -1);
  EXPECT_EQ(state.tournament_count, 4);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].text,
            "The purge could not be completed (write: No space left on device).\n\n"
            "The database has been put back as it was before the purge.");

  // The snapshot taken first is the file as it was; the retry works.
  EXPECT_EQ(first_difference(file_bytes(snapshot_of(home)), original), -1);
  EXPECT_EQ(purge_before(state, Date{125, 1, 1}), 1);
  EXPECT_EQ(state.tournament_count, 2);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 2));
  EXPECT_EQ(field_text(state.header.name), "Tournament 4");
  ASSERT_TRUE(read_record(state, RecordKind::group, 200));
  EXPECT_EQ(field_text(state.group.entries[3].name), "Golfer of 4");
}

TEST(InterruptedPurge, NoSnapshotNoPurge) {
  TestHome home;
  State& state = home.started();
  fill(state, {2019, 2026});
  const std::string original = testing::file_contents(db_of(home));
  home.ui.messages.clear();
  int purged = 0;
  {
    FileSizeLimit limit(100000);
    purged = purge_before(state, Date{125, 1, 1});
  }
  EXPECT_EQ(purged, -1);
  EXPECT_TRUE(testing::file_contents(db_of(home)) == original);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].text, "A error was encountered making a backup copy of the database (cannot write " +
                                          snapshot_of(home).string() + ": File too large).  Nothing was purged.");
}

TEST(ReadError, StopsTheSlotChangeAndThePurgeInsteadOfWritingZeros) {
  TestHome home;
  State& state = home.started();
  fill(state, {2019, 2026, 2026});
  Bytes original = file_bytes(db_of(home));
  home.ui.messages.clear();

  state.db.fail_reads_after(200000);  // the second block moved cannot be read
  EXPECT_FALSE(change_course_slot_count(state, 100));
  EXPECT_EQ(first_difference(file_bytes(db_of(home)), original), -1);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].text,
            "The change to the number of courses to be stored could not be completed (read: Input/output "
            "error).\n\nThe database has been put back as it was before the change.");

  state.db.fail_reads_after(std::nullopt);
  home.ui.messages.clear();
  // The purge reads the three headers, then fails 1000 bytes into its first move.
  state.db.fail_reads_after(3 * tournament_header_size + 1000);
  EXPECT_EQ(purge_before(state, Date{125, 1, 1}), -1);
  state.db.fail_reads_after(std::nullopt);
  EXPECT_EQ(first_difference(file_bytes(db_of(home)), original), -1);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].text,
            "The purge could not be completed (read: Input/output error).\n\n"
            "The database has been put back as it was before the purge.");
}

TEST(ReadError, IsReportedWhenARecordIsRead) {
  TestHome home;
  State& state = home.started();
  home.ui.messages.clear();
  state.db.fail_reads_after(100);
  // The 100 bytes that did arrive are no record: the read fails, and the user has been told.
  Result<int> read = read_record_counted(state, RecordKind::system, 1);
  ASSERT_FALSE(read);
  EXPECT_FALSE(read.status().needs_telling());
  EXPECT_FALSE(read_record(state, RecordKind::system, 1));
  ASSERT_EQ(home.ui.messages.size(), 2u);
  EXPECT_EQ(home.ui.messages[1].text, testing::injected_read_error);
  EXPECT_EQ(home.ui.messages[0].text, testing::injected_read_error);
}

TEST(ReplacedDatabase, WritesStopWhenThePathNamesAnotherFile) {
  TestHome home;
  State& state = home.started();
  const auto stranger = home.path() / "restored.dat";
  std::ofstream(stranger, std::ios::binary) << std::string(15700, 'r');
  std::filesystem::rename(stranger, db_of(home));
  home.ui.messages.clear();

  set_field_text(state.course.course_name, "Lost Links");
  EXPECT_FALSE(write_record(state, RecordKind::course, 1));
  EXPECT_EQ(testing::file_contents(db_of(home)), std::string(15700, 'r'));
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].text,
            "The Quillon database could not be written (the file \"qlwin4.dat\" has been replaced or removed by "
            "another program since it was opened).\n\nThe last change was NOT saved.");
}

}  // namespace
}  // namespace quillon
