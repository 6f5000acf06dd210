#include <gtest/gtest.h>

#include "core/scripted_ui.h"

namespace quillon {
namespace {

TEST(ScriptedSelection, AnswersByIdOrTextAndAnEmptyAnswerCancels) {
  ScriptedUi ui;
  std::vector<Choice> courses = {{3, "Oak - White"}, {7, "Pine - Blue"}};
  EXPECT_THROW(ui.select_one(SelectionKind::course, "Select Course", courses), UnansweredQuestion);
  ui.select(SelectionKind::course, "7");
  EXPECT_EQ(ui.select_one(SelectionKind::course, "Select Course", courses), 7);
  ui.select(SelectionKind::course, "oak - white");
  EXPECT_EQ(ui.select_one(SelectionKind::course, "Select Course", courses), 3);
  ui.select(SelectionKind::course, "9");
  EXPECT_THROW(ui.select_one(SelectionKind::course, "Select Course", courses), ScriptError);
  ui.select(SelectionKind::course, "");
  EXPECT_EQ(ui.select_one(SelectionKind::course, "Select Course", courses), std::nullopt);
  EXPECT_EQ(ui.select_many(SelectionKind::course, "Course Consolidation", courses), std::nullopt);
  ui.select(SelectionKind::course, "3,7");
  EXPECT_EQ(ui.select_many(SelectionKind::course, "Course Consolidation", courses), (std::vector<int>{3, 7}));
}

}  // namespace
}  // namespace quillon
