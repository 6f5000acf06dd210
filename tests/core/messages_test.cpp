// Message boxes: titles by kind, the text limit, the scripted answers, and the
// preconditions of the dispatcher that speak through them.
#include <gtest/gtest.h>

#include <string>

#include "core/dispatch.h"
#include "core/messages.h"
#include "core/scripted_ui.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::TestHome;

TEST(MessageBox, TitlesOfTheSevenKinds) {
  EXPECT_EQ(message_title("Quillon", 0), "Quillon - Warning");
  EXPECT_EQ(message_title("Quillon", 1), "Quillon - Error");
  EXPECT_EQ(message_title("Quillon", 2), "Quillon - Information");
  EXPECT_EQ(message_title("Quillon", 3), "Quillon - Information");
  EXPECT_EQ(message_title("Quillon", 4), "Quillon - Warning");
  EXPECT_EQ(message_title("Quillon", 5), "Quillon - Warning");
  EXPECT_EQ(message_title("Quillon", 6), "Quillon - Warning");

  TestHome home;
  auto state = home.new_state();
  home.ui.answer(Button::yes);
  home.ui.answer(Button::no);
  home.ui.answer(Button::ok);
  home.ui.answer(Button::cancel);
  EXPECT_EQ(message_box(*state, 0, "%d golfers in %s", 12, "Flight A"), Button::none);
  EXPECT_EQ(message_box(*state, 1, "Hole # %d", 7), Button::none);
  EXPECT_EQ(message_box(*state, 2, "Saved"), Button::none);
  EXPECT_EQ(message_box(*state, 3, "Continue?"), Button::yes);
  EXPECT_EQ(message_box(*state, 4, "Replace?"), Button::no);
  EXPECT_EQ(message_box(*state, 5, "Go on?"), Button::ok);
  EXPECT_EQ(message_box(*state, 6, "Save first?"), Button::cancel);
  ASSERT_EQ(home.ui.messages.size(), 7u);
  const char* titles[] = {"Quillon - Warning", "Quillon - Error",   "Quillon - Information", "Quillon - Information",
                          "Quillon - Warning", "Quillon - Warning", "Quillon - Warning"};
  for (int k = 0; k < 7; ++k) {
    EXPECT_EQ(home.ui.messages[k].kind, k);
    EXPECT_EQ(home.ui.messages[k].title, titles[k]);
  }
  EXPECT_EQ(home.ui.messages[0].text, "12 golfers in Flight A");
  EXPECT_EQ(home.ui.messages[1].text, "Hole # 7");
}

TEST(MessageBox, KindsOutsideZeroToSixShowNothing) {
  TestHome home;
  auto state = home.new_state();
  EXPECT_EQ(message_box(*state, 7, "Not shown"), Button::none);
  EXPECT_EQ(message_box(*state, -1, "Not shown"), Button::none);
  EXPECT_EQ(message_title("Quillon", 7), "");
  EXPECT_TRUE(home.ui.messages.empty());
}

TEST(MessageBox, TextsAreCutAt2000Characters) {
  TestHome home;
  auto state = home.new_state();
  std::string long_text(2500, 'x');
  message_box(*state, 2, "%s", long_text.c_str());
  show_message_text(*state, 2, long_text);
  error_box(*state, "%s!", long_text.c_str());
  home.ui.answer(Button::yes);
  ask_titled(*state, 3, "Own Title", long_text);
  ASSERT_EQ(home.ui.messages.size(), 4u);
  for (const auto& m : home.ui.messages) EXPECT_EQ(m.text, std::string(2000, 'x'));
  EXPECT_EQ(home.ui.messages[2].kind, 1);
  EXPECT_EQ(home.ui.messages[3].title, "Own Title");

  message_box(*state, 2, "%s", std::string(2000, 'y').c_str());
  EXPECT_EQ(home.ui.messages.back().text.size(), 2000u);
}

TEST(ScriptedUi, AnswersQuestionsInOrderAndRefusesToGuess) {
  TestHome home;
  auto state = home.new_state();
  home.ui.answer(Button::no);
  home.ui.answer(Button::yes);
  EXPECT_EQ(message_box(*state, 4, "First?"), Button::no);
  EXPECT_EQ(message_box(*state, 4, "Second?"), Button::yes);
  EXPECT_TRUE(home.ui.answers.empty());
  EXPECT_THROW(message_box(*state, 3, "Third?"), UnansweredQuestion);
  EXPECT_EQ(home.ui.messages.size(), 3u);
  // Statements need no answer.
  EXPECT_NO_THROW(message_box(*state, 2, "Done."));
  EXPECT_FALSE(home.ui.error_shown());
  error_box(*state, "Failed.");
  EXPECT_TRUE(home.ui.error_shown());
  EXPECT_EQ(home.ui.message_texts(), (std::vector<std::string>{"First?", "Second?", "Third?", "Done.", "Failed."}));

  EXPECT_THROW(home.ui.select_one(SelectionKind::course, "Select Course", {{1, "Pine Ridge"}}), UnansweredQuestion);
  home.ui.select(SelectionKind::course, "pine");
  EXPECT_EQ(home.ui.select_one(SelectionKind::course, "Select Course", {{1, "Oak Hill"}, {4, "Pine Ridge"}}), 4);
  home.ui.select(SelectionKind::course, "Birch");
  EXPECT_THROW(home.ui.select_one(SelectionKind::course, "Select Course", {{1, "Oak Hill"}}), ScriptError);
}

TEST(BusyCursor, IsShownForTheScopeOnly) {
  TestHome home;
  auto state = home.new_state();
  {
    BusyCursor busy(*state);
    EXPECT_EQ(home.ui.busy_depth, 1);
  }
  EXPECT_EQ(home.ui.busy_depth, 0);
}

TEST(Dispatch, PreconditionsNameWhatIsMissing) {
  TestHome home;
  auto state = home.new_state();
  EXPECT_FALSE(check_precondition(*state, Precondition::a_course));
  EXPECT_FALSE(check_precondition(*state, Precondition::a_tournament));
  EXPECT_EQ(home.ui.message_texts(), (std::vector<std::string>{"No Courses found in the course database",
                                                               "No Tournaments found in the tournament database"}));
  EXPECT_EQ(home.ui.messages[0].kind, 1);
  state->course_count = 1;
  state->tournament_count = 1;
  EXPECT_TRUE(check_precondition(*state, Precondition::a_course));
  EXPECT_TRUE(check_precondition(*state, Precondition::a_tournament));
  EXPECT_EQ(home.ui.messages.size(), 2u);

  CommandRegistry registry;
  std::vector<int> ran;
  registry.add({1601, 1602}, [&](State&, int command) {
    ran.push_back(command);
    return Status::ok();
  });
  EXPECT_TRUE(registry.run(*state, 1602));
  EXPECT_FALSE(registry.run(*state, 1603));
  EXPECT_TRUE(registry.has(1601));
  EXPECT_FALSE(registry.has(1603));
  EXPECT_EQ(ran, (std::vector<int>{1602}));
}

TEST(Dispatch, AFailureTheCommandDidNotShowIsShownOnce) {
  TestHome home;
  auto state = home.new_state();
  CommandRegistry registry;
  registry.add({1}, [](State&, int) { return Status::failed("The file [a.txt] could not be read"); });
  registry.add({2}, [](State& s, int) {
    message_box(s, message_kind::error, "Already said");
    return Status::told();
  });
  registry.add({3}, [](State&, int) { return Status::ok(); });
  // Each ran and returns how it went.
  std::optional<Status> failed = registry.run(*state, 1);
  std::optional<Status> told = registry.run(*state, 2);
  std::optional<Status> done = registry.run(*state, 3);
  ASSERT_TRUE(failed && told && done);
  EXPECT_EQ(failed->reason(), "The file [a.txt] could not be read");
  EXPECT_FALSE(told->is_ok());
  EXPECT_FALSE(told->needs_telling());
  EXPECT_TRUE(done->is_ok());
  EXPECT_EQ(home.ui.message_texts(), (std::vector<std::string>{"The file [a.txt] could not be read", "Already said"}));
  EXPECT_EQ(home.ui.messages[0].kind, message_kind::error);
}

}  // namespace
}  // namespace quillon
