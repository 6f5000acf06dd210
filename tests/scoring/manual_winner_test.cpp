// Command 1413: the committee's choice of winner is marked on one golfer.
#include <gtest/gtest.h>

#include "core/file_io.h"
#include "core/state.h"
#include "scoring/manual_winner.h"
#include "tests/scoring/scoring_fixture.h"

namespace quillon {
namespace {

using testing::par_golfer;
using testing::TestHome;
using testing::TestTournament;

std::uint32_t flags_of(State& state, int group, int slot) {
  EXPECT_TRUE(read_record(state, RecordKind::group, group));
  return state.group.entries[slot - 1].entry_flags;
}

TEST(ManualWinner, MarksTheChosenGolferAndClearsTheOldMark) {
  TestHome home;
  TestTournament t(home, Format::net, 2);
  GolferEntry old_winner = par_golfer("Bea");
  old_winner.entry_flags = entry_flag::manual_winner | entry_flag::power_cart;
  t.put(1, 1, old_winner);
  t.put(1, 2, par_golfer("Cat"));
  t.put(2, 1, par_golfer("Abe"));
  t.put(2, 2, par_golfer("Cat"));  // the same name again: the first in group order is taken

  home.ui.select(SelectionKind::golfer, "Cat");
  home.ui.answer(Button::no);
  EXPECT_FALSE(manually_specify_winner(t.state));
  EXPECT_EQ(home.ui.message_texts(),
            std::vector<std::string>{"Make Cat the tournament winner, at the head of the results whatever the score?"});
  EXPECT_EQ(flags_of(t.state, 1, 1), entry_flag::manual_winner | entry_flag::power_cart);  // kept on No

  home.ui.answer(Button::yes);
  EXPECT_TRUE(manually_specify_winner(t.state));
  EXPECT_EQ(flags_of(t.state, 1, 1), entry_flag::power_cart);
  EXPECT_EQ(flags_of(t.state, 1, 2), entry_flag::manual_winner);
  EXPECT_EQ(flags_of(t.state, 2, 1), 0u);
  EXPECT_EQ(flags_of(t.state, 2, 2), 0u);
}

TEST(ManualWinner, TheMarksOfAHundredGroupsChangeTogetherWithOneFlushOfTheFile) {
  TestHome home;
  TestTournament t(home, Format::net, 2);
  GolferEntry old_winner = par_golfer("Bea");
  old_winner.entry_flags = entry_flag::manual_winner;
  t.put(1, 1, old_winner);
  for (int g = 2; g <= 100; ++g) t.put(g, 1, par_golfer("Golfer " + std::to_string(g)));
  t.put(100, 2, par_golfer("Cat"));
  const long before = flush_count();
  EXPECT_TRUE(mark_manual_winner(t.state, "Cat"));
  // The journal and its folder, then the file: not one flush per group.
  EXPECT_EQ(flush_count() - before, 3);
  EXPECT_EQ(flags_of(t.state, 1, 1), 0u);
  EXPECT_EQ(flags_of(t.state, 100, 2), entry_flag::manual_winner);
}

TEST(ManualWinner, NoneClearsTheChoiceAfterAsking) {
  TestHome home;
  TestTournament t(home, Format::net, 2);
  GolferEntry winner = par_golfer("Bea");
  winner.entry_flags = entry_flag::manual_winner;
  t.put(1, 1, winner);
  t.put(1, 2, par_golfer("Cat"));

  home.ui.select(SelectionKind::golfer, "None");
  home.ui.answer(Button::yes);
  EXPECT_TRUE(manually_specify_winner(t.state));
  EXPECT_EQ(home.ui.message_texts(),
            std::vector<std::string>{"Clear the committee's choice of Bea as the tournament winner?\n\nThe results "
                                     "will rank every golfer by score."});
  EXPECT_EQ(flags_of(t.state, 1, 1), 0u);
  EXPECT_EQ(flags_of(t.state, 1, 2), 0u);

  // With no choice made, None asks nothing.
  EXPECT_TRUE(manually_specify_winner(t.state));
  EXPECT_EQ(home.ui.messages.size(), 1u);
}

TEST(ManualWinner, TheListOffersEachNameOnceInOrder) {
  TestHome home;
  TestTournament t(home, Format::net, 2);
  t.put(1, 1, par_golfer("Cat"));
  t.put(2, 1, par_golfer("Abe"));
  t.put(2, 2, par_golfer("Cat"));
  EXPECT_EQ(golfer_names_for_selection(t.state).value(), (std::vector<std::string>{"Abe", "Cat"}));
  Status missing = mark_manual_winner(t.state, "Nobody");
  EXPECT_EQ(missing.reason(), "No golfer named Nobody was found in the tournament.");
}

TEST(ManualWinner, RefusedWithoutTournamentsOrGolfers) {
  TestHome home;
  State& state = home.started();
  EXPECT_FALSE(manually_specify_winner(state));
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{"No Tournaments found in the tournament database"});

  TestHome other;
  TestTournament t(other, Format::net);
  EXPECT_FALSE(manually_specify_winner(t.state));
  EXPECT_EQ(other.ui.message_texts(), std::vector<std::string>{"No golfers entered for tournament."});
}

}  // namespace
}  // namespace quillon
