#include <gtest/gtest.h>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "tests/tournament/tournament_fixture.h"
#include "tournament/field.h"
#include "tournament/golfer_commands.h"
#include "tournament/golfer_detail.h"
#include "tournament/golfer_rules.h"
#include "tournament/golfer_summary.h"
#include "tournament/tournament_commands.h"

namespace quillon {
namespace {

using testing::put_course;
using testing::TestHome;

struct GolferWindowsTest : ::testing::Test {
  TestHome home;
  State& state = home.started();
  void SetUp() override {
    put_course(state, 1, "Pine Valley", "PV", "Blue", 18);
    home.ui.dialog({{{"name", "Cup"}, {"format", "Net Scores"}}, false, false});
    ASSERT_EQ(add_tournament(state), 1);
  }
  std::string summary_save_message(const std::string& index) {
    GolferSummaryModel w(state, 1);
    EXPECT_TRUE(w.set(GolferSummaryModel::row_field("name", 1, 1), "Ann Lee"));
    EXPECT_TRUE(w.set(GolferSummaryModel::row_field("index", 1, 1), index));
    home.ui.messages.clear();
    return w.accept() ? "" : home.ui.message_texts().back();
  }
  std::string detail_save_message(const std::string& index) {
    GolferDetailModel w(state, 1);
    EXPECT_TRUE(w.set(GolferDetailModel::golfer_field("name", 1), "Ann Lee"));
    EXPECT_TRUE(w.set(GolferDetailModel::golfer_field("index", 1), index));
    home.ui.messages.clear();
    return w.accept() ? "" : home.ui.message_texts().back();
  }
};

TEST_F(GolferWindowsTest, IndexRulesOfBothWindows) {
  EXPECT_EQ(summary_save_message("+2.5"), "");
  ASSERT_TRUE(read_record(state, RecordKind::group, 1));
  EXPECT_EQ(state.group.entries[0].handicap_index, -25);
  EXPECT_EQ(golfer_index_text(-25), "+2.5");
  EXPECT_EQ(golfer_index_text(125), "12.5");
  EXPECT_EQ(golfer_index_text(0), "");
  EXPECT_EQ(summary_save_message("50.0"), "Invalid handicap index [50.0]  for golfer 1");
  EXPECT_EQ(summary_save_message("+10.0"), "Invalid handicap index [+10.0]  for golfer 1");
  EXPECT_EQ(summary_save_message("abc"), "Invalid handicap index [abc] for golfer 1");
  EXPECT_EQ(detail_save_message("50.0"), "");
  EXPECT_EQ(detail_save_message("+10.0"), "");
  EXPECT_EQ(detail_save_message("+10.1"), "Invalid handicap index [-10.1]  for golfer 1");
  EXPECT_EQ(detail_save_message("1x"), "Invalid handicap index [1x] for golfer 1");
}

TEST_F(GolferWindowsTest, DivisionAssignmentAndTypingRules) {
  state.header.division_count = 3;
  state.header.division_handicap_limit[0] = 100;
  state.header.division_handicap_limit[1] = 180;
  EXPECT_EQ(assign_division(state, 100, 1, 'M').value_or(-1), 1);
  EXPECT_EQ(assign_division(state, 101, 1, 'M').value_or(-1), 2);
  EXPECT_EQ(assign_division(state, 400, 1, 'M').value_or(-1), 3);
  EXPECT_TRUE(write_record(state, RecordKind::tournament, 1));

  GolferSummaryModel w(state, 1);
  EXPECT_TRUE(w.set(GolferSummaryModel::row_field("name", 1, 1), "Ann Lee"));
  EXPECT_TRUE(w.set(GolferSummaryModel::row_field("index", 1, 1), "10.1"));
  EXPECT_EQ(w.text(GolferSummaryModel::row_field("division", 1, 1)), "2");
  EXPECT_TRUE(w.set(GolferSummaryModel::row_field("index", 1, 1), "x"));
  EXPECT_EQ(w.text(GolferSummaryModel::row_field("division", 1, 1)), "3");
  EXPECT_TRUE(w.set(GolferSummaryModel::row_field("division", 1, 1), "4"));
  EXPECT_EQ(w.text(GolferSummaryModel::row_field("division", 1, 1)), "1");
  EXPECT_TRUE(w.set(GolferSummaryModel::row_field("gender", 1, 1), "q"));
  EXPECT_EQ(w.text(GolferSummaryModel::row_field("gender", 1, 1)), "M");
  EXPECT_TRUE(w.set(GolferSummaryModel::row_field("gender", 1, 1), "f"));
  EXPECT_EQ(w.text(GolferSummaryModel::row_field("gender", 1, 1)), "F");
  EXPECT_EQ(home.ui.message_texts(), (std::vector<std::string>{"The tournament is configured for 3 division(s).",
                                                               "Gender must be either 'M' or 'F'."}));
}

TEST_F(GolferWindowsTest, GroupsGrowByTypingAndByNext) {
  GolferSummaryModel w(state, 1);
  EXPECT_TRUE(w.set(GolferSummaryModel::row_field("name", 3, 2), "Bob Ray"));
  EXPECT_EQ(state.header.group_count, 3);
  ASSERT_TRUE(w.accept());
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.group_count, 3);
  EXPECT_EQ(count_golfers(state).value_or(-1), 1);

  GolferDetailModel d(state, 3);
  EXPECT_TRUE(d.press("next"));
  EXPECT_EQ(d.group(), 4);
  EXPECT_EQ(state.header.group_count, 4);
  EXPECT_TRUE(d.press("prev"));
  EXPECT_EQ(d.group(), 3);
  EXPECT_EQ(d.text(GolferDetailModel::golfer_field("name", 2)), "Bob Ray");
}

TEST_F(GolferWindowsTest, AGroupTheOneByteGroupCountCannotHoldIsRefusedAloud) {
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  state.header.group_size = 1;
  state.header.group_count = 255;
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 1));
  const std::string refusal =
      "With 1 golfer(s) per group a tournament can hold at most 255 groups, as the number of groups is stored in one "
      "byte.  Group 256 cannot be added.";

  home.ui.messages.clear();
  GolferDetailModel d(state, 255);
  EXPECT_TRUE(d.press("next"));
  EXPECT_EQ(d.group(), 255);
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{refusal});
  EXPECT_EQ(home.ui.messages[0].kind, message_kind::warning);

  home.ui.messages.clear();
  GolferSummaryModel w(state, 253);  // groups 253 to 256 shown
  EXPECT_TRUE(w.set(GolferSummaryModel::row_field("name", 4, 1), "Late Comer"));
  EXPECT_EQ(w.text(GolferSummaryModel::row_field("name", 4, 1)), "");
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{refusal});
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.group_count, 255);

  // Beyond 800 golfers the group goes without a word, as before.
  state.header.group_size = 5;
  state.header.group_count = 160;
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 1));
  home.ui.messages.clear();
  GolferDetailModel five(state, 160);
  EXPECT_TRUE(five.press("next"));
  EXPECT_EQ(five.group(), 160);
  EXPECT_TRUE(home.ui.messages.empty());
}

TEST_F(GolferWindowsTest, ImportedNameWarningAndRemovedGolferLosesScores) {
  ASSERT_TRUE(read_record(state, RecordKind::group, 1));
  set_field_text(state.group.entries[0].name, "Ann Lee");
  state.group.entries[0].is_member = 1;
  state.group.entries[0].hole_scores[4] = 6;
  EXPECT_TRUE(write_record(state, RecordKind::group, 1));

  GolferSummaryModel w(state, 1);
  home.ui.answer(Button::no);
  EXPECT_TRUE(w.set(GolferSummaryModel::row_field("name", 1, 1), "Ann Smith"));
  EXPECT_EQ(w.text(GolferSummaryModel::row_field("name", 1, 1)), "Ann Lee");
  EXPECT_EQ(home.ui.messages.back().title, "Warning");
  home.ui.answer(Button::yes);
  EXPECT_TRUE(w.set(GolferSummaryModel::row_field("name", 1, 1), ""));
  ASSERT_TRUE(read_record(state, RecordKind::group, 1));
  EXPECT_EQ(state.group.entries[0].is_member, 0);
  ASSERT_TRUE(w.accept());
  ASSERT_TRUE(read_record(state, RecordKind::group, 1));
  EXPECT_EQ(state.group.entries[0].name[0], 0);
  EXPECT_EQ(state.group.entries[0].hole_scores[4], 0);

  home.ui.select(SelectionKind::tournament, "1");
  EXPECT_FALSE(change_golfers_summary(state));
  EXPECT_EQ(home.ui.message_texts().back(), "No golfers entered for tournament.");
}

}  // namespace
}  // namespace quillon
