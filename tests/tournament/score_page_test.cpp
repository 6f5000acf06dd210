#include <gtest/gtest.h>

#include "core/database.h"
#include "tests/tournament/score_test_fixture.h"
#include "tournament/score_commands.h"

namespace quillon {
namespace {

using testing::ScoreEntryTest;
using testing::summing_scorer;

const std::vector<std::string> eighteen_fours(18, "4");

TEST_F(ScoreEntryTest, AnInvalidIndexRefusesTheSaveAndStoresNothingOfThePage) {
  put_golfer(1, 1, "Ann Lee", 120);
  put_golfer(1, 2, "Bob Ray", 50);
  ScoreEntryModel w(state, 1, summing_scorer(18));
  EXPECT_TRUE(w.set("name.1", "  Ann Smith "));
  EXPECT_TRUE(w.set("name.2", "Bob Jones"));
  EXPECT_TRUE(w.set("handicap_index.2", "abc"));
  EXPECT_FALSE(w.accept());
  EXPECT_EQ(home.ui.message_texts().back(), "Invalid handicap index [abc] for golfer 2");
  EXPECT_EQ(field_text(stored(1, 1).name), "Ann Lee") << "the rows before the failing one are not written either";
  EXPECT_EQ(field_text(stored(1, 2).name), "Bob Ray");

  EXPECT_TRUE(w.set("handicap_index.2", "+10.1"));
  EXPECT_FALSE(w.accept());
  EXPECT_EQ(home.ui.message_texts().back(), "Invalid handicap index [-10.1]  for golfer 2");
  EXPECT_EQ(stored(1, 2).handicap_index, 50);

  EXPECT_TRUE(w.set("handicap_index.2", "+10.0"));
  EXPECT_TRUE(w.accept());
  EXPECT_EQ(stored(1, 2).handicap_index, -100);
  EXPECT_EQ(field_text(stored(1, 1).name), "Ann Smith");
  EXPECT_EQ(field_text(stored(1, 2).name), "Bob Jones");
  EXPECT_EQ(w.text("handicap_index.2"), "+10.0");
  EXPECT_EQ(home.ui.messages.size(), 2u);
}

TEST_F(ScoreEntryTest, SavingStoresBoxesDivisionsAndClearsTheCardOfARemovedGolfer) {
  state.header.division_count = 2;
  EXPECT_TRUE(write_record(state, RecordKind::tournament, 1));
  put_golfer(1, 1, "Ann Lee", 120, 'X');
  put_golfer(1, 2, "Bob Ray", 50);
  ScoreEntryModel w(state, 1, summing_scorer(18));
  type_holes(w, 2, eighteen_fours);
  EXPECT_EQ(stored(1, 2).gross_score, 72);

  EXPECT_TRUE(w.set("division.1", "3"));
  EXPECT_EQ(home.ui.message_texts().back(), "The tournament is configured for 2 division(s).");
  EXPECT_EQ(w.text("division.1"), "1");
  EXPECT_TRUE(w.set("division.1", "2"));
  EXPECT_TRUE(w.set("skins.1", "1"));
  EXPECT_TRUE(w.set("dq.1", "1"));
  EXPECT_EQ(home.ui.messages.back().kind, 0);
  EXPECT_EQ(home.ui.message_texts().back(),
            "Designating a golfer as disqualified will cause the golfer to be excluded from tournament results.");
  std::size_t shown = home.ui.messages.size();
  EXPECT_TRUE(w.set("dq.1", "0"));
  EXPECT_TRUE(w.set("dq.1", "1"));
  EXPECT_EQ(home.ui.messages.size(), shown + 1) << "only ticking warns";
  EXPECT_TRUE(w.set("name.2", ""));
  ASSERT_TRUE(w.accept());

  GolferEntry ann = stored(1, 1);
  EXPECT_EQ(ann.division, 2);
  EXPECT_EQ(ann.in_skins, 1);
  EXPECT_EQ(ann.disqualified, 1);
  EXPECT_EQ(ann.gender, 'M') << "an unknown gender becomes the tournament default";
  GolferEntry bob = stored(1, 2);
  EXPECT_EQ(field_text(bob.name), "");
  EXPECT_EQ(std::vector<int>(bob.hole_scores, bob.hole_scores + 18), std::vector<int>(18, 0));
}

TEST_F(ScoreEntryTest, ImportedNameChangeAsksFirst) {
  put_golfer(1, 1, "Ann Lee", 120);
  ASSERT_TRUE(read_record(state, RecordKind::group, 1));
  state.group.entries[0].is_member = 1;
  EXPECT_TRUE(write_record(state, RecordKind::group, 1));
  ScoreEntryModel w(state, 1, summing_scorer(18));
  home.ui.answer(Button::no);
  EXPECT_TRUE(w.set("name.1", "Ann Smith"));
  EXPECT_EQ(w.text("name.1"), "Ann Lee");
  EXPECT_EQ(home.ui.messages.back().title, "Warning");
  home.ui.answer(Button::yes);
  EXPECT_TRUE(w.set("name.1", "Ann Smith"));
  EXPECT_EQ(stored(1, 1).is_member, 0) << "written at once";
  EXPECT_EQ(field_text(stored(1, 1).name), "Ann Lee");
  ASSERT_TRUE(w.accept());
  EXPECT_EQ(field_text(stored(1, 1).name), "Ann Smith");
}

TEST_F(ScoreEntryTest, PrevNextAndTheGroupListSaveAndPageAndGrowTheField) {
  put_golfer(1, 1, "Ann Lee", 0);
  put_golfer(2, 1, "Bob Ray", 0);
  ScoreEntryModel w(state, 1, summing_scorer(18));
  EXPECT_TRUE(w.set("name.2", "Cy Dale"));
  ASSERT_TRUE(w.press("next").is_ok());
  EXPECT_EQ(w.group(), 2);
  EXPECT_EQ(field_text(stored(1, 2).name), "Cy Dale");
  EXPECT_EQ(w.text("name.1"), "Bob Ray");
  EXPECT_EQ(w.focus(), "score.1.1");

  EXPECT_TRUE(w.press("next"));
  EXPECT_EQ(w.group(), 3);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.group_count, 3);
  EXPECT_EQ(w.find("group_number")->options, (std::vector<std::string>{"001", "002", "003"}));
  EXPECT_EQ(w.text("name.1"), "");
  EXPECT_EQ(w.focus(), ok_focus) << "a page without golfers";

  EXPECT_TRUE(w.press("prev"));
  EXPECT_TRUE(w.press("prev"));
  EXPECT_TRUE(w.press("prev"));
  EXPECT_EQ(w.group(), 1);
  EXPECT_TRUE(w.set("group_number", "003"));
  EXPECT_EQ(w.group(), 3);
  EXPECT_EQ(state.current_group, 3);

  EXPECT_TRUE(w.set("name.1", "Dee Fox"));
  EXPECT_TRUE(w.set("handicap_index.1", "x"));
  EXPECT_TRUE(w.press("prev"));
  EXPECT_EQ(w.group(), 3) << "a refused save stays on the page";
  EXPECT_EQ(home.ui.message_texts().back(), "Invalid handicap index [x] for golfer 1");
}

TEST_F(ScoreEntryTest, NextAddsNothingWhenTheFieldIsFull) {
  set_format(Format::net, 5);
  put_golfer(160, 1, "Ann Lee", 0);
  ScoreEntryModel w(state, 160, summing_scorer(18));
  EXPECT_EQ(w.row_count(), 5);
  EXPECT_TRUE(w.press("next"));
  EXPECT_EQ(w.group(), 160);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.group_count, 160);
}

TEST_F(ScoreEntryTest, SearchSavesAndShowsTheChosenGolfersRow) {
  put_golfer(1, 1, "Ann Lee", 0);
  put_golfer(2, 3, "Cy Dale", 0);
  ScoreEntryModel w(state, 1, summing_scorer(18));
  EXPECT_TRUE(w.set("score.1.1", "5"));
  home.ui.select(SelectionKind::golfer, "Cy Dale");
  EXPECT_TRUE(w.press("search"));
  EXPECT_EQ(w.group(), 2);
  EXPECT_EQ(w.focus(), "score.3.1");
  EXPECT_EQ(stored(1, 1).hole_scores[0], 5);
}

TEST_F(ScoreEntryTest, SearchWithoutAChoiceStaysOnTheSameGroupAndRow) {
  ScoreEntryModel w(state, 1, summing_scorer(18));
  EXPECT_TRUE(w.set("name.2", ""));
  EXPECT_TRUE(w.press("search"));
  EXPECT_EQ(w.group(), 1);
  EXPECT_EQ(w.focus(), "name.2");
}

TEST_F(ScoreEntryTest, TeamWindowKeepsOneCardPerGroup) {
  set_format(Format::ambrose);
  put_golfer(1, 1, "Ann Lee", 120);
  put_golfer(1, 2, "Bob Ray", 50);
  ASSERT_TRUE(read_record(state, RecordKind::group, 1));
  state.group.entries[0].team_handicap = 7;
  EXPECT_TRUE(write_record(state, RecordKind::group, 1));
  ScoreEntryModel ambrose(state, 1, summing_scorer(18));
  EXPECT_TRUE(ambrose.team_window());
  EXPECT_EQ(ambrose.id(), "team_score_entry");
  EXPECT_EQ(ambrose.row_count(), 1);
  EXPECT_EQ(ambrose.text("team_heading"), "Team");
  EXPECT_EQ(ambrose.text("hole_heading.10"), "10");
  EXPECT_EQ(ambrose.find("name.1"), nullptr);
  EXPECT_EQ(ambrose.text("handicap_index.1"), "7");
  type_holes(ambrose, 1, eighteen_fours);
  EXPECT_EQ(ambrose.focus(), ok_focus);
  EXPECT_EQ(ambrose.cell_mark(1, 1), ParMark::none);
  GolferEntry team = stored(1, 1);
  EXPECT_EQ(team.hole_scores[17], 4);
  EXPECT_EQ(team.gross_score, 72);
  EXPECT_EQ(team.handicap_index, 120) << "the team figure is never stored as an index";
  EXPECT_EQ(stored(1, 2).hole_scores[0], 0);

  set_format(Format::scramble);
  ScoreEntryModel scramble(state, 1, summing_scorer(18));
  EXPECT_EQ(scramble.text("handicap_index.1"), "");
  EXPECT_EQ(scramble.text("gross.1"), "72");
  EXPECT_TRUE(scramble.accept());
  EXPECT_EQ(stored(1, 1).handicap_index, 120);
}

TEST_F(ScoreEntryTest, CommandsNeedATournamentAndGolfers) {
  std::string opened;
  home.ui.on_list_fields = [&](const DialogModel& m) {
    opened = m.title() + " at " + field_value_text(*m.find("group_number"));
  };
  EXPECT_FALSE(change_scores(state));
  EXPECT_EQ(home.ui.message_texts().back(), "No golfers entered for tournament.");

  put_golfer(1, 1, "Ann Lee", 0);
  put_golfer(2, 1, "Bob Ray", 0);
  state.current_group = 2;
  home.ui.dialog({{}, false, true});
  EXPECT_FALSE(add_scores(state));
  EXPECT_EQ(opened, "Add Scores : Club Cup - Net Scores at 001");
  home.ui.dialog({{}, false, true});
  state.current_group = 2;
  change_scores(state);
  EXPECT_EQ(opened, "Add Scores : Club Cup - Net Scores at 002");

  home.ui.dialog({{{"score.1.1", "5"}}, false, false});
  EXPECT_TRUE(add_scores(state));
  EXPECT_EQ(stored(1, 1).hole_scores[0], 5);
}

TEST(ScoreCommandsTest, AddingScoresNeedsATournament) {
  testing::TestHome home;
  State& state = home.started();
  EXPECT_FALSE(add_scores(state));
  EXPECT_FALSE(change_scores(state));
  EXPECT_EQ(home.ui.message_texts(),
            (std::vector<std::string>{"At least one tournament must be entered before adding golfers",
                                      "No golfers entered for tournament."}));
}

}  // namespace
}  // namespace quillon
