#include <gtest/gtest.h>

#include "tests/tournament/score_test_fixture.h"

namespace quillon {
namespace {

using testing::put_course;
using testing::ScoreEntryTest;
using testing::summing_scorer;

const std::vector<std::string> front_nine = {"6", "3", "4", "5", "4", "4", "4", "4", "4"};
const std::vector<std::string> nine_fours(9, "4");

TEST_F(ScoreEntryTest, TypingCardsHoleByHoleStoresTheCardAndShowsTotals) {
  put_golfer(1, 1, "Ann Lee", 120);
  put_golfer(1, 3, "Bob Ray", 50);
  ScoreEntryModel w(state, 1, summing_scorer(18));
  EXPECT_EQ(w.title(), "Add Scores : Club Cup - Net Scores");
  EXPECT_EQ(w.find("group_number")->options, std::vector<std::string>{"001"});
  EXPECT_EQ(w.text("hole_heading.1"), "1/10");
  EXPECT_EQ(w.text("hole_heading.9"), "9/18");
  EXPECT_EQ(w.text("index_heading"), "HC Index");
  EXPECT_EQ(w.text("net_heading"), "Net Score");
  EXPECT_EQ(w.text("handicap_index.1"), "12.0");
  EXPECT_EQ(w.text("division.2"), "1");

  type_holes(w, 1, front_nine);
  EXPECT_EQ(w.focus(), "score.1.10");
  EXPECT_EQ(w.text("front_total.1"), "38");
  EXPECT_EQ(w.text("back_total.1"), "0");
  EXPECT_EQ(w.text("total.1"), "38");
  EXPECT_EQ(w.text("net.1"), "");
  EXPECT_EQ(stored(1, 1).hole_scores[0], 0) << "nothing is written before the card is complete";

  type_holes(w, 1, nine_fours, 10);
  EXPECT_EQ(w.text("back_total.1"), "36");
  EXPECT_EQ(w.text("total.1"), "74");
  EXPECT_EQ(w.text("gross.1"), "74");
  EXPECT_EQ(w.text("net.1"), "62");
  EXPECT_EQ(w.focus(), "score.3.1") << "the row without a name is passed over";
  GolferEntry ann = stored(1, 1);
  const std::int8_t expected[18] = {6, 3, 4, 5, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
  EXPECT_EQ(std::vector<int>(ann.hole_scores, ann.hole_scores + 18), std::vector<int>(expected, expected + 18));
  EXPECT_EQ(ann.gross_score, 74);
  EXPECT_EQ(ann.net_score, 62);

  type_holes(w, 3, nine_fours);
  type_holes(w, 3, nine_fours, 10);
  EXPECT_EQ(w.focus(), ok_focus);
  EXPECT_EQ(stored(1, 3).gross_score, 72);
  EXPECT_EQ(w.text("net.3"), "67");

  ScoreEntryModel reopened(state, 1, summing_scorer(18));
  EXPECT_EQ(reopened.text("score.1.1"), "6");
  EXPECT_EQ(reopened.text("front_total.1"), "38");
  EXPECT_EQ(reopened.text("gross.1"), "74");
  EXPECT_EQ(reopened.text("net.1"), "62");
  EXPECT_EQ(reopened.text("total.2"), "");
}

TEST_F(ScoreEntryTest, ZeroAndOneKeepTheCursorAndEmptyRowsArePassed) {
  put_golfer(1, 1, "Ann Lee", 0);
  put_golfer(1, 3, "Bob Ray", 0);
  ScoreEntryModel w(state, 1, summing_scorer(18));
  EXPECT_TRUE(w.set("score.1.2", "1"));
  EXPECT_EQ(w.focus(), "score.1.2");
  EXPECT_TRUE(w.set("score.1.3", "0"));
  EXPECT_EQ(w.focus(), "score.1.3");
  EXPECT_TRUE(w.set("score.1.4", "2"));
  EXPECT_EQ(w.focus(), "score.1.5");
  EXPECT_EQ(w.text("total.1"), "3");

  w.enter_cell(2, 4);
  EXPECT_EQ(w.focus(), "score.3.4");
  w.enter_cell(4, 1);
  EXPECT_EQ(w.focus(), ok_focus);
  EXPECT_TRUE(w.set("name.2", "Cy Dale"));
  w.enter_cell(2, 1);
  EXPECT_EQ(w.focus(), "score.2.1") << "a name typed into the row makes it a golfer's row";
}

TEST_F(ScoreEntryTest, HolesAreMarkedAgainstParForTheFrontEnd) {
  put_golfer(1, 1, "Ann Lee", 0);
  ScoreEntryModel w(state, 1, summing_scorer(18));
  EXPECT_TRUE(w.set("score.1.1", "4"));
  EXPECT_TRUE(w.set("score.1.2", "1"));
  EXPECT_EQ(w.focus(), "score.1.2");
  EXPECT_TRUE(w.set("score.1.3", "4"));
  EXPECT_TRUE(w.set("score.1.4", "6"));
  EXPECT_EQ(w.cell_mark(1, 1), ParMark::below_par);
  EXPECT_EQ(w.cell_mark(1, 2), ParMark::below_par) << "an ace on the par 3";
  EXPECT_EQ(w.cell_mark(1, 3), ParMark::par);
  EXPECT_EQ(w.cell_mark(1, 4), ParMark::above_par);
  EXPECT_EQ(w.cell_mark(1, 5), ParMark::above_par) << "an empty cell";
  EXPECT_EQ(par_mark_green(ParMark::below_par), 17);
  EXPECT_EQ(par_mark_green(ParMark::par), 68);
  EXPECT_EQ(par_mark_green(ParMark::above_par), 170);

  set_format(Format::callaway_scramble);
  ScoreEntryModel scramble(state, 1, summing_scorer(18));
  EXPECT_TRUE(scramble.set("score.1.1", "4"));
  EXPECT_EQ(scramble.cell_mark(1, 1), ParMark::none);
}

TEST_F(ScoreEntryTest, StablefordPickUpEntersTheLowestScoreWithoutPoints) {
  set_format(Format::stableford_net_par);
  put_golfer(1, 1, "Ann Lee", 30);  // three strokes: one on hole 3
  put_golfer(1, 2, "Bob Ray", 0);
  ScoreEntryModel net_par(state, 1, summing_scorer(18));
  EXPECT_EQ(net_par.text("net_heading"), "Points");
  EXPECT_TRUE(net_par.set("score.1.3", "X"));
  EXPECT_EQ(net_par.text("score.1.3"), "7");
  EXPECT_EQ(net_par.focus(), "score.1.4");
  EXPECT_TRUE(net_par.set("score.1.4", "x"));
  EXPECT_EQ(net_par.text("score.1.4"), "6") << "hole 4 gives no stroke to a handicap of 3";

  set_format(Format::stableford_net_bogey);
  ScoreEntryModel net_bogie(state, 1, summing_scorer(18));
  EXPECT_TRUE(net_bogie.set("score.2.1", "x"));
  EXPECT_EQ(net_bogie.text("score.2.1"), "8");

  set_format(Format::stableford_custom);
  for (int i = 0; i < 8; ++i) state.system.stableford_points[i] = static_cast<std::int8_t>(8 - i);
  ScoreEntryModel custom(state, 1, summing_scorer(18));
  EXPECT_TRUE(custom.set("score.2.1", "x"));
  EXPECT_EQ(custom.text("score.2.1"), "9") << "no count scores nothing: the highest count is entered";

  set_format(Format::net);
  ScoreEntryModel net(state, 1, summing_scorer(18));
  EXPECT_TRUE(net.set("score.2.1", "5"));
  EXPECT_FALSE(net.set("score.2.1", "x")) << "only the Stableford formats take a pick-up";
  EXPECT_EQ(net.text("score.2.1"), "5");
}

TEST_F(ScoreEntryTest, CellsRefuseLettersAndScoresAboveFifteenKeepingTheValue) {
  put_golfer(1, 1, "Ann Lee", 0);
  ScoreEntryModel w(state, 1, summing_scorer(18));
  EXPECT_TRUE(w.set("score.1.1", "5"));
  EXPECT_TRUE(w.set("score.1.2", "4"));
  EXPECT_TRUE(w.save_score_page());

  Status stray = w.set("score.1.2", "4a");
  EXPECT_FALSE(stray);
  EXPECT_EQ(w.text("score.1.2"), "4") << "a stray letter keeps the score";
  EXPECT_EQ(w.text("total.1"), "9");

  EXPECT_TRUE(w.set("score.1.2", "16"));
  EXPECT_EQ(home.ui.message_texts().back(), "Golfer [Ann Lee], Hole # [2] :\n Score must be > 0 and <= 15");
  EXPECT_EQ(w.text("score.1.2"), "4") << "the stored score comes back";
  EXPECT_EQ(w.focus(), "score.1.2");
  EXPECT_EQ(w.text("total.1"), "9");

  EXPECT_TRUE(w.set("score.1.3", "15"));
  EXPECT_EQ(w.text("score.1.3"), "15");
  EXPECT_EQ(w.focus(), "score.1.4");
}

TEST_F(ScoreEntryTest, NineHoleCourseCompletesTheCardAfterHoleNine) {
  put_course(state, 1, "Pine Valley", "PV", "Blue", 9);
  put_golfer(1, 1, "Ann Lee", 0);
  ScoreEntryModel w(state, 1, summing_scorer(9));
  EXPECT_EQ(w.hole_count(), 9);
  EXPECT_FALSE(w.find("score.1.10")->visible);
  EXPECT_FALSE(w.find("back_total.1")->visible);
  EXPECT_FALSE(w.set("score.1.10", "4").is_ok());
  type_holes(w, 1, front_nine);
  EXPECT_EQ(w.text("back_total.1"), "");
  EXPECT_EQ(w.text("gross.1"), "38");
  EXPECT_EQ(stored(1, 1).gross_score, 38);
  EXPECT_EQ(w.focus(), ok_focus);
}

TEST_F(ScoreEntryTest, ComputedFormatsShowTheHandicapOnlyForACompleteCard) {
  set_format(Format::callaway);
  put_golfer(1, 1, "Ann Lee", 150);
  ScoreEntryModel w(state, 1, [](State& s, int slot) {
    GolferEntry& e = s.group.entries[slot - 1];
    e.gross_score = 80;
    e.handicap_index = 90;
    e.net_score = 71;
    return Status::ok();
  });
  EXPECT_EQ(w.text("index_heading"), "Handicap");
  EXPECT_FALSE(w.set("handicap_index.1", "3.0").is_ok());
  EXPECT_EQ(w.text("handicap_index.1"), "") << "no card yet";
  type_holes(w, 1, front_nine);
  type_holes(w, 1, nine_fours, 10);
  EXPECT_EQ(w.text("handicap_index.1"), "9.0 ");
  EXPECT_EQ(w.text("net.1"), "71");
  EXPECT_TRUE(w.set("score.1.5", "5"));
  EXPECT_EQ(w.text("handicap_index.1"), "");
  EXPECT_EQ(w.text("net.1"), "");
  EXPECT_EQ(w.text("total.1"), "75");
}

}  // namespace
}  // namespace quillon
