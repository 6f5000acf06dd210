// The Build Multi-Day Tournament window, its save rules in order, and the
// links between an event and its days.
#include <gtest/gtest.h>

#include "core/dispatch.h"
#include "core/fixed_text.h"
#include "tests/scoring/scoring_fixture.h"
#include "tournament/multi_round.h"
#include "tournament/multi_round_dialog.h"
#include "tournament/tournament_commands.h"
#include "tournament/tournament_selection.h"

namespace quillon {
namespace {

using testing::TestHome;

class EventTest : public ::testing::Test {
 protected:
  EventTest() : state(home.started()) {
    state.course = testing::scoring_tee();
    EXPECT_TRUE(write_record(state, RecordKind::course, 1));
    state.course_count = 1;
  }

  // Writes tournament t with a golfer in group 1.
  void day(int t, Format format, const char* name, int month, int day_of_month, int hour) {
    state.header = testing::scoring_header(format);
    set_field_text(state.header.name, name);
    state.header.date_month = static_cast<std::int8_t>(month);
    state.header.date_day = static_cast<std::int8_t>(day_of_month);
    state.header.first_tee_hour = static_cast<std::int8_t>(hour);
    state.header.first_tee_minute = 30;
    state.header.tee_interval_index = 7;
    state.header.group_count = 1;
    ASSERT_TRUE(write_record(state, RecordKind::tournament, t));
    state.tournament_count = std::max(state.tournament_count, t);
    state.group = GroupBuffer{};
    state.group.entries[0] = testing::par_golfer(std::string("Player of ") + name);
    ASSERT_TRUE(write_record(state, RecordKind::group, 1));
  }

  // Answers the next window with the name and the days by their tournament name.
  void script(const std::string& name, std::vector<std::pair<int, std::string>> days) {
    DialogScript s;
    s.sets.emplace_back("name", name);
    for (auto& [d, text] : days) s.sets.emplace_back("day." + std::to_string(d), text);
    home.ui.dialog(s);
  }

  // The list line of a tournament as the day lists show it.
  std::string line_of(int t) { return tournament_list_line(state, peek_header(state, t), false); }

  TournamentHeader stored(int t) { return peek_header(state, t); }

  TestHome home;
  State& state;
};

TEST_F(EventTest, DaysOneAndThreeAreStoredAsDaysOneAndTwoWithDayOnesDateAndTeeTime) {
  day(1, Format::net, "Saturday", 6, 14, 8);
  day(2, Format::net, "Friday", 6, 13, 7);  // earlier than day 1
  script("Club Championship", {{1, line_of(1)}, {3, line_of(2)}});
  ASSERT_EQ(add_multi_round_tournament(state), 3);

  TournamentHeader e = stored(3);
  EXPECT_EQ(field_text(e.name), "Club Championship");
  EXPECT_EQ(e.format, multi_round_format);
  EXPECT_EQ(event_days(e), (std::vector<int>{1, 2}));
  EXPECT_EQ(e.round_tournaments[2], 0);
  EXPECT_EQ(e.results_limit, 400);
  EXPECT_EQ(e.date_month, 6);
  EXPECT_EQ(e.date_day, 14);
  EXPECT_EQ(e.first_tee_hour, 8);
  EXPECT_EQ(e.first_tee_minute, 30);
  EXPECT_EQ(e.tee_interval_index, 7);
  EXPECT_EQ(e.division_tee[0], 1);
  EXPECT_EQ(e.group_size, 4);
  EXPECT_EQ(e.division_count, 0);
  EXPECT_EQ(state.tournament_count, 3);
}

TEST_F(EventTest, DayListsShowTournamentsLatestFirstAfterUnassignedWithoutEvents) {
  day(1, Format::net, "Early", 3, 1, 8);
  day(2, Format::net, "Late", 9, 1, 8);
  script("Spring", {{1, line_of(1)}});
  ASSERT_EQ(add_multi_round_tournament(state), 3);
  MultiRoundDialogModel dialog(state, TournamentHeader{}, true, 4);
  const Field* d1 = dialog.find("day.1");
  ASSERT_NE(d1, nullptr);
  EXPECT_EQ(d1->options, (std::vector<std::string>{" --- Unassigned ---", line_of(2), line_of(1)}));
  EXPECT_EQ(d1->options[1], "01-Sep-2026  Late                                 QH     08:30  00:00");
  EXPECT_TRUE(d1->fixed_pitch);
  EXPECT_EQ(dialog.text("results_limit"), "");
  EXPECT_EQ(field_value_text(*dialog.find("results_limit")), "400");
}

TEST_F(EventTest, RefusedMixesAndFormatsInTheirOrder) {
  day(1, Format::stableford_net_par, "Points", 6, 1, 8);
  day(2, Format::net, "Strokes", 6, 2, 8);
  day(3, Format::stableford_custom, "Custom", 6, 3, 8);
  day(4, Format::scramble, "Scramble", 6, 4, 8);
  const std::string mix = "Stableford and non Stableford rounds cannot both exist in the same Multiple Day Event.";

  script("Mix", {{1, line_of(1)}, {2, line_of(2)}});
  EXPECT_EQ(add_multi_round_tournament(state), 0);
  EXPECT_EQ(home.ui.last_message()->text, mix);

  script("Custom mix", {{1, line_of(2)}, {2, line_of(3)}});
  EXPECT_EQ(add_multi_round_tournament(state), 0);
  EXPECT_EQ(home.ui.last_message()->text, mix);

  script("With a scramble", {{1, line_of(4)}});
  EXPECT_EQ(add_multi_round_tournament(state), 0);
  EXPECT_EQ(home.ui.last_message()->text,
            "Best Ball, Scramble, and 'Net Scores with 1 Callaway Division' tournaments can not be included in "
            "multiple day events.");
  EXPECT_EQ(home.ui.last_message()->title, "Quillon - Warning");

  script("None", {});
  EXPECT_EQ(add_multi_round_tournament(state), 0);
  EXPECT_EQ(home.ui.last_message()->text, "At least one rounds must be selected.");

  script("Points", {{1, line_of(1)}, {2, line_of(3)}});  // the name of tournament 1
  EXPECT_EQ(add_multi_round_tournament(state), 0);
  EXPECT_EQ(home.ui.last_message()->text,
            "The tournament name must be unique.  A tournament already exists using the selected name.");

  script("Points and custom points", {{1, line_of(1)}, {2, line_of(3)}});
  EXPECT_EQ(add_multi_round_tournament(state), 5);
  EXPECT_EQ(state.tournament_count, 5);
}

TEST_F(EventTest, ChangingKeepsTheRulesAndARefusedSaveChangesNothing) {
  day(1, Format::net, "Round one", 6, 1, 8);
  day(2, Format::net, "Round two", 6, 2, 9);
  day(3, Format::net, "Round three", 6, 3, 10);
  script("Summer Cup", {{1, line_of(1)}, {2, line_of(2)}});
  ASSERT_EQ(add_multi_round_tournament(state), 4);

  // The same round twice: refused before anything is rebuilt or written.
  home.ui.select(SelectionKind::tournament, "4");
  script("Summer Cup", {{1, line_of(3)}, {2, line_of(3)}});
  EXPECT_EQ(modify_tournament(state), 0);
  EXPECT_EQ(home.ui.last_message()->text, "The same round cannot be selected more than once");
  EXPECT_EQ(event_days(stored(4)), (std::vector<int>{1, 2}));

  // Another tournament's name is refused on change too.
  script("Round three", {});
  EXPECT_EQ(modify_tournament(state), 0);
  EXPECT_EQ(home.ui.last_message()->text,
            "The tournament name must be unique.  A tournament already exists using the selected name.");

  // The window opens with the stored days; keeping its own name is fine.
  home.ui.dialog(DialogScript{{{"day.3", line_of(3)}, {"results_limit", "10"}}, false, false});
  EXPECT_EQ(modify_tournament(state), 4);
  TournamentHeader e = stored(4);
  EXPECT_EQ(event_days(e), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(e.results_limit, 10);
  EXPECT_EQ(field_text(e.name), "Summer Cup");
}

TEST_F(EventTest, EveryDaysFieldSurvivesTheSaveAndTheEventsOwnAreaIsCleared) {
  day(1, Format::net, "Day one", 6, 1, 8);
  day(2, Format::net, "Day two", 6, 2, 8);
  // Leftovers in the slot the event will take.
  state.current_tournament = 3;
  state.header = testing::scoring_header(Format::net);
  state.group.entries[0] = testing::par_golfer("Leftover");
  ASSERT_TRUE(write_record(state, RecordKind::group, 7));

  script("Two days", {{1, line_of(1)}, {2, line_of(2)}});
  ASSERT_EQ(add_multi_round_tournament(state), 3);
  for (int t : {1, 2}) {
    ASSERT_TRUE(read_record(state, RecordKind::tournament, t));
    ASSERT_TRUE(read_record(state, RecordKind::group, 1));
    EXPECT_EQ(field_text(state.group.entries[0].name), t == 1 ? "Player of Day one" : "Player of Day two");
  }
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 3));
  ASSERT_TRUE(read_record(state, RecordKind::group, 7));
  EXPECT_EQ(state.group.entries[0].name[0], 0);
}

TEST_F(EventTest, RemovingADayDropsItFromTheEventAndClosesTheGap) {
  day(1, Format::net, "One", 6, 1, 8);
  day(2, Format::net, "Two", 6, 2, 8);
  day(3, Format::net, "Three", 6, 3, 8);
  script("Three days", {{1, line_of(1)}, {2, line_of(2)}, {3, line_of(3)}});
  ASSERT_EQ(add_multi_round_tournament(state), 4);
  EXPECT_EQ(previous_event_day(state, 2), 1);
  EXPECT_EQ(previous_event_day(state, 3), 2);
  EXPECT_EQ(previous_event_day(state, 1), 0);

  home.ui.select(SelectionKind::tournament, "2");
  home.ui.answer(Button::yes);
  ASSERT_EQ(drop_tournament(state), 2);
  EXPECT_EQ(event_days(stored(4)), (std::vector<int>{1, 3}));
  EXPECT_EQ(previous_event_day(state, 3), 1);

  // A new tournament taking the freed slot is not part of the event.
  day(2, Format::net, "Newcomer", 7, 1, 8);
  EXPECT_EQ(event_days(stored(4)), (std::vector<int>{1, 3}));
}

}  // namespace
}  // namespace quillon
