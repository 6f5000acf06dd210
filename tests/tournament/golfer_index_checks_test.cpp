// The index checks of the three windows that take an index: values the user
// cannot edit or did not change are kept, typed values must fit the entry.
#include <gtest/gtest.h>

#include "core/database.h"
#include "tests/tournament/score_test_fixture.h"
#include "tournament/golfer_detail.h"
#include "tournament/golfer_summary.h"

namespace quillon {
namespace {

using testing::ScoreEntryTest;
using testing::summing_scorer;
using GolferIndexTest = ScoreEntryTest;

std::string summary_field(const char* column, int row) { return GolferSummaryModel::row_field(column, 1, row); }

TEST_F(GolferIndexTest, ComputedHandicapsStoredByTheResultsDoNotLockTheGolferWindows) {
  set_format(Format::peoria_modified);
  put_golfer(1, 1, "Ann Lee", -110);  // +11.0, as the results engine leaves a computed handicap
  put_golfer(1, 2, "Bob Ray", 510);  // a Callaway maximum of 51
  put_golfer(2, 1, "Cy Dale", 100);

  GolferSummaryModel summary(state, 1);
  EXPECT_FALSE(summary.find(summary_field("index", 1))->enabled);
  EXPECT_TRUE(summary.set("group_number", "#2"));
  EXPECT_EQ(summary.first_group(), 2) << "paging saves the page without refusing it";
  EXPECT_TRUE(summary.accept());
  EXPECT_TRUE(home.ui.messages.empty());
  EXPECT_EQ(stored(1, 1).handicap_index, -110);
  EXPECT_EQ(stored(1, 2).handicap_index, 510);

  GolferDetailModel detail(state, 1);
  EXPECT_TRUE(detail.accept());
  EXPECT_TRUE(home.ui.messages.empty());
  EXPECT_EQ(stored(1, 1).handicap_index, -110);
}

TEST_F(GolferIndexTest, OnlyTypedIndexesOfNamedRowsAreRangeChecked) {
  put_golfer(1, 1, "Ann Lee", 750);  // 75.0, which the score window takes
  put_golfer(1, 2, "Bob Ray", -100);
  GolferSummaryModel summary(state, 1);
  EXPECT_TRUE(summary.set(summary_field("name", 1), "Ann Lee-Smith"));
  EXPECT_TRUE(summary.set(summary_field("index", 3), "junk"));  // a vacancy
  EXPECT_TRUE(summary.accept()) << "values the user did not change are not refused";
  EXPECT_TRUE(home.ui.messages.empty());
  EXPECT_EQ(stored(1, 1).handicap_index, 750);
  EXPECT_EQ(field_text(stored(1, 1).name), "Ann Lee-Smith");

  EXPECT_TRUE(summary.set(summary_field("index", 2), "+10.5"));
  EXPECT_FALSE(summary.accept());
  EXPECT_EQ(home.ui.message_texts().back(), "Invalid handicap index [+10.5]  for golfer 2");
  EXPECT_EQ(stored(1, 2).handicap_index, -100);
}

TEST_F(GolferIndexTest, AnIndexWhoseCourseHandicapCannotBeHeldIsRefusedInEveryWindow) {
  put_golfer(1, 1, "Ann Lee", 150);
  const std::string message =
      "Invalid handicap index [%s] for golfer 1 (Ann Lee): the course handicap it gives "
      "cannot be held.";
  auto expected = [&](const std::string& typed) {
    std::string m = message;
    return m.replace(m.find("%s"), 2, typed);
  };

  GolferDetailModel detail(state, 1);
  EXPECT_TRUE(detail.set(GolferDetailModel::golfer_field("index", 1), "150.0"));
  EXPECT_FALSE(detail.accept());
  EXPECT_EQ(home.ui.message_texts().back(), expected("150.0"));
  EXPECT_EQ(stored(1, 1).handicap_index, 150);
  EXPECT_TRUE(detail.set(GolferDetailModel::golfer_field("index", 1), "90.0"));
  EXPECT_TRUE(detail.accept()) << "90.0 gives a course handicap of 90 on a slope of 113";
  EXPECT_EQ(stored(1, 1).handicap_index, 900);

  ScoreEntryModel scores(state, 1, summing_scorer(18));
  const std::vector<std::pair<std::string, std::string>> refusals = {
      {"3277", "Invalid handicap index [3277.0]  for golfer 1"},
      {"6553.5", "Invalid handicap index [6553.0]  for golfer 1"},  // the cell takes five characters
      {"128.0", expected("128.0")},
  };
  for (const auto& [typed, refusal] : refusals) {
    EXPECT_TRUE(scores.set("handicap_index.1", typed));
    EXPECT_FALSE(scores.save_score_page()) << typed;
    EXPECT_EQ(home.ui.message_texts().back(), refusal);
    EXPECT_EQ(stored(1, 1).handicap_index, 900) << "nothing wraps into the 16-bit field";
  }
  EXPECT_TRUE(scores.set("handicap_index.1", "127.0"));
  EXPECT_TRUE(scores.save_score_page());
  EXPECT_EQ(stored(1, 1).handicap_index, 1270);
}

TEST_F(GolferIndexTest, SavingAnAmbroseGroupWorksTheTeamHandicapOutAgain) {
  set_format(Format::ambrose);
  put_golfer(1, 1, "Ann Lee", 100);
  put_golfer(1, 2, "Bob Ray", 200);
  GolferSummaryModel summary(state, 1);
  EXPECT_TRUE(summary.set(summary_field("index", 2), "30.0"));
  ASSERT_TRUE(summary.accept());
  EXPECT_EQ(stored(1, 1).team_handicap, 20) << "(10.0 + 30.0) / 2 = 20.0";

  GolferDetailModel detail(state, 1);
  EXPECT_TRUE(detail.set(GolferDetailModel::golfer_field("name", 3), "Cy Dale"));
  EXPECT_TRUE(detail.set(GolferDetailModel::golfer_field("index", 3), "50.0"));
  ASSERT_TRUE(detail.accept());
  EXPECT_EQ(stored(1, 1).team_handicap, 30) << "(10.0 + 30.0 + 50.0) / 3 = 30.0";

  ScoreEntryModel team(state, 1, summing_scorer(18));
  EXPECT_EQ(team.text("handicap_index.1"), "30");
}

}  // namespace
}  // namespace quillon
