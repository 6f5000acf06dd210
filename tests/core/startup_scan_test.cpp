// The start-up scan: the tournament count worked out from the file length,
// the purge reminder and the trimming of trailing free slots.
#include <gtest/gtest.h>

#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/core/database_test_support.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::database_length;
using testing::put_tournament;
using testing::set_tournament_count;
using testing::TestHome;

TEST(TournamentCount, CountsAPartialBlockAsATournament) {
  EXPECT_EQ(tournament_count_from_length(15700, 15700), 0);
  EXPECT_EQ(tournament_count_from_length(15000, 15700), 0);
  EXPECT_EQ(tournament_count_from_length(15701, 15700), 1);
  EXPECT_EQ(tournament_count_from_length(15700 + 147400, 15700), 1);
  EXPECT_EQ(tournament_count_from_length(15700 + 147400 * 3, 15700), 3);
  EXPECT_EQ(tournament_count_from_length(15700 + 147400 * 3 + 1, 15700), 4);
}

TEST(StartupScan, AShortLastTournamentIsCountedReadShortAndTrimmedAsFree) {
  TestHome home;
  State& first = home.started();
  set_tournament_count(first, 2);
  put_tournament(first, 1, "Spring Medal", 2026, 4, 12);
  put_tournament(first, 2, "Summer Stableford", 2026, 7, 5);
  // A third block cut short after its header and one group of four.
  const std::int64_t short_block = tournament_header_size + 4 * golfer_entry_size;
  ASSERT_TRUE(first.db.set_length(15700 + 147400 * 2 + short_block));
  ASSERT_TRUE(first.db.flush());

  // The count the scan starts from, and what the short slot reads as.
  first.tournament_count = tournament_count_from_length(database_length(first), first.tournament_base);
  EXPECT_EQ(first.tournament_count, 3);
  set_field_text(first.header.name, "Stale");
  EXPECT_EQ(read_record_counted(first, RecordKind::tournament, 3).value_or(-1), tournament_header_size);
  EXPECT_TRUE(tournament_slot_free(first.header));

  State& state = home.started();
  EXPECT_EQ(state.tournament_count, 2);
  EXPECT_EQ(database_length(state), 15700 + 147400 * 2);
  EXPECT_TRUE(home.ui.messages.empty());
}

TEST(StartupScan, TrimsTrailingFreeSlotsButKeepsFreeSlotsBetween) {
  TestHome home;
  State& first = home.started();
  set_tournament_count(first, 5);
  put_tournament(first, 1, "Opening Day", 2026, 3, 28);
  put_tournament(first, 3, "Ladies Cup", 2026, 5, 9);
  ASSERT_TRUE(first.db.flush());

  State& state = home.started();
  EXPECT_EQ(state.tournament_count, 3);
  EXPECT_EQ(database_length(state), 15700 + 147400 * 3);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 2));
  EXPECT_TRUE(tournament_slot_free(state.header));
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 3));
  EXPECT_EQ(field_text(state.header.name), "Ladies Cup");

  // A database whose slots are all free ends with none.
  set_tournament_count(state, 4);
  for (int t = 1; t <= 4; ++t) put_tournament(state, t, "", 2026, 1, 1);
  State& emptied = home.started();
  EXPECT_EQ(emptied.tournament_count, 0);
  EXPECT_EQ(database_length(emptied), 15700);
}

// 252 tournaments: 100 of 2026, 50 of 2025, 50 of 2023, 20 of 2019, 20 of
// 2010, one free slot (its year byte 0 is old) and 11 of next year.
void fill_for_reminder(State& state, int count) {
  set_tournament_count(state, count);
  for (int t = 1; t <= count; ++t) {
    int year = t <= 100 ? 2026 : t <= 150 ? 2025 : t <= 200 ? 2023 : t <= 220 ? 2019 : t <= 240 ? 2010 : 2027;
    if (t == 245) continue;
    put_tournament(state, t, "Event " + std::to_string(t), year, 6, 1);
  }
  ASSERT_TRUE(state.db.flush());
}

TEST(StartupScan, ShowsThePurgeReminderAboveTheLimit) {
  TestHome home;
  fill_for_reminder(home.started(), 252);
  home.ui.messages.clear();

  State& state = home.started();
  EXPECT_EQ(state.tournament_count, 252);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].kind, 2);
  EXPECT_EQ(home.ui.messages[0].title, "Quillon - Information");
  EXPECT_EQ(home.ui.messages[0].text,
            "Your database currently contains 252 tournaments.  The database can accomodate up to 999 "
            "tournaments but the greater the number of tournaments in the database, the slower the system "
            "will run.\n\n"
            "2026 : 100 tournaments\n"
            "2025 : 50 tournaments\n"
            "2023 : 50 tournaments\n"
            "2019 : 41 tournaments\n"
            "\nIf you would like to purge some of the older tournaments in order to speed up your system "
            "select 'Maintenance' / 'Purge Older Tournaments'.\n\n"
            "If you would like to adjust the 'Purge Reminder Limit', the tournament count at which point "
            "this reminder is displayed, select 'Maintenance' / 'System Configuration'.  The limit is "
            "currently set at 250.");
}

TEST(StartupScan, NoPurgeReminderAtOrBelowTheLimit) {
  TestHome home;
  fill_for_reminder(home.started(), 250);
  home.ui.messages.clear();
  EXPECT_EQ(home.started().tournament_count, 250);
  EXPECT_TRUE(home.ui.messages.empty());

  // A lower limit brings it back, naming that limit.
  State& state = home.started();
  state.system.purge_reminder_limit = 100;
  ASSERT_TRUE(write_record(state, RecordKind::system, 1));
  home.started();
  ASSERT_EQ(home.ui.messages.size(), 1u);
  const std::string& text = home.ui.messages[0].text;
  const std::string opening = "Your database currently contains 250 tournaments.  ";
  const std::string closing = "The limit is currently set at 100.";
  ASSERT_GT(text.size(), opening.size() + closing.size());
  EXPECT_EQ(text.substr(0, opening.size()), opening);
  EXPECT_EQ(text.substr(text.size() - closing.size()), closing);
}

}  // namespace
}  // namespace quillon
