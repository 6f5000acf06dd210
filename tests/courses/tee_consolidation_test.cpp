#include "courses/tee_consolidation.h"

#include <fstream>

#include <gtest/gtest.h>

#include "core/fixed_text.h"
#include "tests/courses/course_fixtures.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {
namespace {

std::vector<std::string> pair_texts(const std::vector<TeePair>& pairs) {
  std::vector<std::string> out;
  for (const auto& p : pairs)
    out.push_back(p.course_name + ":" + p.ladies_tee + "(" + std::to_string(p.ladies_slot) + ")+" + p.men_tee + "(" +
                  std::to_string(p.men_slot) + ")");
  return out;
}

TEST(TeePairs, EndingsAndNeighbours) {
  TestHome home;
  State& state = home.started();
  put_course(state, 1, "Oak", "White-M");
  put_course(state, 2, "Oak", "White-F");
  put_course(state, 3, "Pine", "White-L");
  put_course(state, 4, "PINE", "white-m");
  put_course(state, 5, "Elm", "Blue-F");
  put_course(state, 6, "Elm", "White-M");
  put_course(state, 7, "Ash", "-F");
  put_course(state, 8, "Ash", "-M");
  put_course(state, 9, "Fir", "Red-F");
  put_course(state, 10, "Fir", "Red-G");
  put_course(state, 11, "Fir", "Red-M");
  EXPECT_EQ(pair_texts(find_tee_pairs(state)),
            (std::vector<std::string>{"Oak:White-F(2)+White-M(1)", "PINE:White-L(3)+white-m(4)"}));
}

class Consolidation : public ::testing::Test {
 protected:
  void SetUp() override {
    CourseRecord ladies = par_four_course("Oak", "White-F");
    ladies.women_rating = 745;
    ladies.women_slope = 131;
    ladies.women_par[0] = 5;
    ladies.women_hcp_hole[0] = 2;
    ladies.women_hcp_hole[1] = 1;
    put_course(state, 1, par_four_course("Oak", "White-M"));
    put_course(state, 2, "Pine", "Blue");
    put_course(state, 3, ladies);
    state.system.default_course = 3;
    EXPECT_TRUE(write_record(state, RecordKind::system, 1));
    put_tournament(state, 1, "Spring Cup", 4, 12, {{0, 1}, {1, 3}, {9, 3}});
    put_tournament(state, 2, "Two Rounds", 7, 1, {{0, 2}}, multi_round_format);
  }

  TestHome home;
  State& state = home.started();
};

TEST_F(Consolidation, MergesTheLadiesTeeIntoTheMensRecord) {
  home.ui.dialog({{{"pairs", "#1"}}});
  home.ui.answer(Button::ok);
  ASSERT_TRUE(consolidate_tees(state));
  EXPECT_EQ(home.ui.message_texts(),
            (std::vector<std::string>{
                "For the Oak, the White-F and White-M tees will be merged.\n\nThe men's data will be extracted from "
                "the White-M tee.\nThe ladies data will be extracted from the White-F tee.\n\nTo continue with the "
                "merge click 'OK' or click 'Cancel' to abort the merge.",
                "For the Oak, the White-F and White-M tees have been merged."}));
  EXPECT_EQ(home.ui.messages[0].title, "Tee Consolidation");
  EXPECT_EQ(home.ui.messages[0].kind, 5);

  CourseRecord merged = course_in_slot(state, 1);
  EXPECT_EQ(field_text(merged.tee_name), "White");
  EXPECT_EQ(merged.women_rating, 745);
  EXPECT_EQ(merged.women_slope, 131);
  EXPECT_EQ(merged.women_par[0], 5);
  EXPECT_EQ(merged.women_hcp_hole[0], 2);
  EXPECT_EQ(merged.women_hcp_hole[1], 1);
  EXPECT_EQ(merged.women_total_par, 73);
  EXPECT_EQ(merged.women_par_f9, 37);
  EXPECT_EQ(merged.men_rating, 720);
  EXPECT_EQ(course_in_slot(state, 3).course_name[0], 0);
  EXPECT_EQ(state.course_count, 2);

  TournamentHeader spring = tournament(state, 1);
  EXPECT_EQ(spring.division_tee[0], 1);
  EXPECT_EQ(spring.division_tee[1], 1);
  EXPECT_EQ(spring.division_tee[9], 1);
  ASSERT_TRUE(read_record(state, RecordKind::system, 1));
  EXPECT_EQ(state.system.default_course, 1);
}

TEST_F(Consolidation, SelectionFromAFrontEndIsTakenInListOrderOnce) {
  put_course(state, 4, "Pine", "Red-L");
  put_course(state, 5, "Pine", "Red-M");
  ConsolidationModel dialog(state);
  ASSERT_EQ(dialog.find("pairs")->options,
            (std::vector<std::string>{"Oak - White-F / White-M", "Pine - Red-L / Red-M"}));
  dialog.find("pairs")->selected = {1, 7, 0, 1};
  home.ui.answer(Button::ok);
  home.ui.answer(Button::ok);
  ASSERT_TRUE(dialog.accept());
  EXPECT_EQ(home.ui.message_texts().at(1), "For the Oak, the White-F and White-M tees have been merged.");
  EXPECT_EQ(home.ui.message_texts().at(3), "For the Pine, the Red-L and Red-M tees have been merged.");
  EXPECT_EQ(home.ui.messages.size(), 4u);
  EXPECT_EQ(field_text(course_in_slot(state, 5).tee_name), "Red");
  EXPECT_EQ(course_in_slot(state, 4).course_name[0], 0);
  EXPECT_EQ(state.course_count, 5);
}

TEST_F(Consolidation, AFailedWriteEndsTheMergingBeforeTheNextPairIsAsked) {
  put_course(state, 4, "Pine", "Red-L");
  put_course(state, 5, "Pine", "Red-M");
  ConsolidationModel dialog(state);
  dialog.find("pairs")->selected = {0, 1};
  home.ui.answer(Button::ok);
  home.ui.answer(Button::ok);
  state.db.fail_writes_after(0);
  ASSERT_TRUE(dialog.accept());
  state.db.fail_writes_after(std::nullopt);
  const auto texts = home.ui.message_texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].substr(0, 53), "For the Oak, the White-F and White-M tees will be mer");
  EXPECT_EQ(texts[1].substr(0, 43), "The Quillon database could not be written (");
  EXPECT_EQ(field_text(course_in_slot(state, 4).tee_name), "Red-L");
  EXPECT_EQ(field_text(course_in_slot(state, 5).tee_name), "Red-M");
}

TEST_F(Consolidation, RefusalsAndCancel) {
  home.ui.dialog({});
  EXPECT_FALSE(consolidate_tees(state));
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{"Select the Course(s) to be combined and click 'OK' or "
                                                              "click 'Cancel' to abort."});

  home.ui.messages.clear();
  home.ui.dialog({{{"pairs", "#1"}}});
  home.ui.answer(Button::cancel);
  EXPECT_TRUE(consolidate_tees(state));
  EXPECT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(field_text(course_in_slot(state, 3).tee_name), "White-F");
  EXPECT_EQ(tournament(state, 1).division_tee[1], 3);

  CourseRecord nine = par_four_course("Oak", "White-F", 9);
  put_course(state, 3, nine);
  home.ui.messages.clear();
  home.ui.dialog({{{"pairs", "#1"}}});
  EXPECT_TRUE(consolidate_tees(state));
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{"A 9 hole tee cannot be merged with an 18 hole tee"});
  EXPECT_EQ(field_text(course_in_slot(state, 1).tee_name), "White-M");

  // With the handicap product's database present the user is warned first.
  state.ravelin_path = "rvwin4.dat";
  std::ofstream(home.path() / "rvwin4.dat") << "x";
  home.ui.messages.clear();
  home.ui.dialog({{}, true});
  EXPECT_FALSE(consolidate_tees(state));
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].kind, 0);
  EXPECT_EQ(home.ui.messages[0].text.substr(0, 40), "You should open Ravelin for Windows and ");
}

}  // namespace
}  // namespace quillon::testing
