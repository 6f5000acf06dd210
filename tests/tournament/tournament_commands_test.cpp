#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/database.h"
#include "core/database_startup.h"
#include "core/fixed_text.h"
#include "handicap/formats.h"
#include "tests/tournament/tournament_fixture.h"
#include "tournament/field.h"
#include "tournament/tournament_commands.h"
#include "tournament/tournament_selection.h"

namespace quillon {
namespace {

using testing::put_course;
using testing::TestHome;

struct TournamentCommandsTest : ::testing::Test {
  TestHome home;
  State& state = home.started();
  void SetUp() override { put_course(state, 1, "Pine Valley", "PV", "Blue", 18); }
  int add(const std::string& name, const std::string& date) {
    home.ui.dialog({{{"name", name}, {"date", date}}, false, false});
    return add_tournament(state);
  }
  void put_golfer(int t, int group, int row, const char* name, int index, std::int8_t score) {
    ASSERT_TRUE(read_record(state, RecordKind::tournament, t));
    ASSERT_TRUE(read_record(state, RecordKind::group, group));
    GolferEntry& e = state.group.entries[row - 1];
    set_field_text(e.name, name);
    e.handicap_index = static_cast<std::int16_t>(index);
    e.hole_scores[0] = score;
    e.gross_score = score;
    e.division = 1;
    EXPECT_TRUE(write_record(state, RecordKind::group, group));
  }
};

TEST_F(TournamentCommandsTest, AddRefusesWithoutCourseAndListsNewestFirst) {
  TestHome empty;
  State& bare = empty.started();
  EXPECT_EQ(add_tournament(bare), 0);
  EXPECT_EQ(empty.ui.message_texts(),
            std::vector<std::string>{"At least one course must be entered before adding tournaments"});

  ASSERT_EQ(add("Older", "2026-05-01"), 1);
  ASSERT_EQ(add("Newer", "2026-06-02"), 2);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 2));
  TournamentHeader h = state.header;
  EXPECT_EQ(tournament_list_line(state, h, false),
            "02-Jun-2026  Newer                                PV     08:00  08:00");
  EXPECT_EQ(tournament_list_line(state, h, true),
            "\t02-Jun-2026\tNewer                              \tPV   \t08:00\t08:00");
  home.ui.select(SelectionKind::tournament, "1");
  EXPECT_EQ(select_tournament(state, TournamentList::days), 1);
  EXPECT_EQ(field_text(state.header.name), "Older");
}

TEST_F(TournamentCommandsTest, CopyKeepsOrErasesScores) {
  ASSERT_EQ(add("Spring Cup", "2026-05-01"), 1);
  put_golfer(1, 1, 2, "Ann Lee", 125, 5);
  EXPECT_EQ(copy_tournament(state, false), 2);
  EXPECT_EQ(home.ui.message_texts().back(),
            "A copy of the tournament [Spring Cup] has been made.\nThe copy has been given the name [Tournament Copy]");
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 2));
  EXPECT_EQ(field_text(state.header.name), "Tournament Copy");
  ASSERT_TRUE(read_record(state, RecordKind::group, 1));
  const GolferEntry& e = state.group.entries[1];
  EXPECT_EQ(field_text(e.name), "Ann Lee");
  EXPECT_EQ(e.handicap_index, 125);
  EXPECT_EQ(e.hole_scores[0], 0);
  EXPECT_EQ(e.gross_score, 0);

  home.ui.select(SelectionKind::tournament, "1");
  EXPECT_EQ(copy_tournament(state, true), 0);
  EXPECT_EQ(home.ui.message_texts().back(),
            "The Tournament Copy facility creates a copy of a selected tournament and gives it the name \"Tournament "
            "Copy\".\n\n A tournament on 01-May-2026 presently exists using the name \"Tournament Copy\".\n\nBefore "
            "using the Tournament Copy facility you must select \"Change\" \\ \"Change Tournament\" and give the "
            "01-May-2026 tournament an appropriate new name.");
}

// Keeps the lines of the last tournament selection.
struct ListWatchingUi : ScriptedUi {
  std::vector<Choice> shown;
  std::optional<int> select_one(SelectionKind kind, const std::string& title,
                                const std::vector<Choice>& choices) override {
    shown = choices;
    return ScriptedUi::select_one(kind, title, choices);
  }
};

TEST_F(TournamentCommandsTest, TheSelectionStartsOnTheTournamentJustAddedOrLastUsed) {
  ASSERT_EQ(add("Spring Cup", "2026-05-01"), 1);
  ASSERT_EQ(add("Summer Cup", "2026-07-01"), 2);
  ASSERT_EQ(add("Autumn Cup", "2026-09-01"), 3);
  ListWatchingUi ui;
  State watched(ui, home.clock, home.path());
  ASSERT_TRUE(open_or_create_database(watched));
  ASSERT_TRUE(read_configuration(watched));
  ASSERT_TRUE(finish_database_startup(watched));
  auto preselected = [&ui] {
    std::vector<int> ids;
    for (const Choice& c : ui.shown)
      if (c.preselected) ids.push_back(c.id);
    return ids;
  };
  ASSERT_GT(read_record_counted(watched, RecordKind::tournament, 2).value_or(-1), 0);  // the one last worked on
  ui.select(SelectionKind::tournament, "1");
  EXPECT_EQ(select_tournament(watched, TournamentList::days_and_events), 1);
  EXPECT_EQ(preselected(), std::vector<int>{2});
  EXPECT_EQ(select_tournament(watched, TournamentList::days_and_events), 1);
  EXPECT_EQ(preselected(), std::vector<int>{1});

  ui.dialog({{{"name", "Winter Cup"}, {"date", "2026-12-01"}}, false, false});
  ASSERT_EQ(add_tournament(watched), 4);
  EXPECT_EQ(select_tournament(watched, TournamentList::days_and_events), 1);
  EXPECT_EQ(preselected(), std::vector<int>{4});
}

TEST_F(TournamentCommandsTest, RemoveFreesTheSlotAndItsFile) {
  ASSERT_EQ(add("Spring Cup", "2026-05-01"), 1);
  ASSERT_EQ(add("Summer Cup", "2026-07-01"), 2);
  put_golfer(1, 3, 1, "Ann Lee", 125, 5);
  std::ofstream(home.path() / "01-May-2026 Spring Cup") << "x";
  home.ui.select(SelectionKind::tournament, "1");
  home.ui.answer(Button::no);
  EXPECT_EQ(drop_tournament(state), 0);
  home.ui.answer(Button::yes);
  EXPECT_EQ(drop_tournament(state), 1);
  EXPECT_EQ(home.ui.messages.back().title, "Tournament Removal");
  EXPECT_EQ(home.ui.messages.back().text, "Remove tournament [Spring Cup]?");
  // Enter keeps the tournament.
  EXPECT_EQ(home.ui.messages.back().default_button, Button::no);
  EXPECT_FALSE(std::filesystem::exists(home.path() / "01-May-2026 Spring Cup"));
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_TRUE(tournament_slot_free(state.header));
  state.header.group_size = 4;
  ASSERT_TRUE(read_record(state, RecordKind::group, 3));
  EXPECT_EQ(state.group.entries[0].name[0], 0);
  EXPECT_EQ(state.tournament_count, 2);
  EXPECT_EQ(free_tournament_slot(state).value_or(-1), 1);

  // With the last one removed the slots remain, and every command says why
  // it has nothing to work on.
  home.ui.answer(Button::yes);
  EXPECT_EQ(drop_tournament(state), 2);
  EXPECT_EQ(state.tournament_count, 2);
  home.ui.messages.clear();
  EXPECT_EQ(modify_tournament(state), 0);
  EXPECT_EQ(copy_tournament(state, true), 0);
  EXPECT_EQ(drop_tournament(state), 0);
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>(3, "No Tournaments found in the tournament database"));
}

TEST_F(TournamentCommandsTest, PurgeRenumbersAndRelinksMultiRoundEvents) {
  ASSERT_EQ(add("Old One", "2024-05-01"), 1);
  ASSERT_EQ(add("Kept A", "2026-03-01"), 2);
  ASSERT_EQ(add("Kept B", "2026-04-01"), 3);
  // A multi-round event naming tournament 3.
  ASSERT_EQ(add("Event", "2026-04-02"), 4);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 4));
  set_format(state.header, Format::multi_round);
  state.header.round_tournaments[0] = 3;
  EXPECT_TRUE(write_record(state, RecordKind::tournament, 4));

  home.ui.answer(Button::cancel);
  EXPECT_EQ(purge_older_tournaments(state), 0);
  EXPECT_EQ(home.ui.messages.back().title, "Warning");

  home.ui.answer(Button::ok);
  home.ui.dates.push_back(Date{120, 1, 1});
  EXPECT_EQ(purge_older_tournaments(state), 0);
  EXPECT_EQ(home.ui.message_texts().back(), "No tournaments matched the date selected.");

  home.ui.answer(Button::ok);
  home.ui.answer(Button::yes);
  home.ui.answer(Button::no);
  home.ui.dates.push_back(Date{126, 1, 1});
  EXPECT_EQ(purge_older_tournaments(state), 0);
  auto texts = home.ui.message_texts();
  EXPECT_EQ(
      texts[texts.size() - 3],
      "Do you wish to purge tournaments played prior to Jan 1, 2026?\n\nA total of 1 tournaments will be purged.");
  EXPECT_EQ(texts[texts.size() - 2],
            "Are you sure that you want to purge tournaments played prior to Jan 1, 2026?\n\nA total of 1 "
            "tournaments will be purged.");
  EXPECT_EQ(texts.back(), "The tournament purge has been cancelled.");
  // Every step towards the purge has the safe button as its default.
  const auto& asked = home.ui.messages;
  EXPECT_EQ(asked[asked.size() - 4].default_button, Button::cancel);
  EXPECT_EQ(asked[asked.size() - 3].default_button, Button::no);
  EXPECT_EQ(asked[asked.size() - 2].default_button, Button::no);

  home.ui.answer(Button::ok);
  home.ui.answer(Button::yes);
  home.ui.answer(Button::yes);
  home.ui.dates.push_back(Date{126, 1, 1});
  EXPECT_EQ(purge_older_tournaments(state), 1);
  EXPECT_EQ(home.ui.message_texts().back(), "A total of 1 tournaments were purged from the database");
  EXPECT_EQ(state.tournament_count, 3);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 2));
  EXPECT_EQ(field_text(state.header.name), "Kept B");
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 3));
  EXPECT_EQ(state.header.round_tournaments[0], 2);
}

TEST_F(TournamentCommandsTest, ChangeModeGroupRules) {
  ASSERT_EQ(add("Cup", "2026-05-01"), 1);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  state.header.group_count = 10;
  EXPECT_TRUE(write_record(state, RecordKind::tournament, 1));
  put_golfer(1, 10, 1, "Last Man", 100, 0);

  // 4 to 3 golfers per group keeps every slot: 14 groups.
  home.ui.dialog({{{"group_size", "3"}}, false, false});
  ASSERT_EQ(modify_tournament(state), 1);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.group_count, 14);
  EXPECT_EQ(state.header.group_size, 3);

  // Dropping groups that hold golfers is refused; the dialog still closes.
  home.ui.dialog({{{"group_count", "5"}}, false, false});
  ASSERT_EQ(modify_tournament(state), 1);
  EXPECT_EQ(home.ui.message_texts().back(),
            "You are attempting to remove groups which contain golfers.  The number of groups has not been changed.");
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.group_count, 14);
  EXPECT_EQ(count_golfers(state).value_or(-1), 1);
}

}  // namespace
}  // namespace quillon
