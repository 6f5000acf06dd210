// Windows that stay open while the user types save only over the bytes they
// read: another opener's change is reported and never overwritten.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <cstring>

#include "core/checked_save.h"
#include "core/database.h"
#include "core/database_startup.h"
#include "core/fixed_text.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::TestHome;

constexpr const char* changed_text =
    "The group of golfers shown in this window has been changed by another user of the Quillon database since the "
    "window read it.  Your changes have NOT been saved, so that the other change is not overwritten.\n\n"
    "Do you wish to reload the window with the stored data?  (Your changes in this window will be lost.)";

struct CheckedSaveTest : ::testing::Test {
  TestHome home;
  State& first = home.started();
  std::unique_ptr<State> second;

  void SetUp() override {
    std::memset(&first.header, 0, sizeof first.header);
    set_field_text(first.header.name, "Club Cup");
    first.header.group_size = 4;
    ASSERT_TRUE(write_record(first, RecordKind::tournament, 1));
    std::memset(&first.group, 0, sizeof first.group);
    set_field_text(first.group.entries[0].name, "Ann Able");
    ASSERT_TRUE(write_record(first, RecordKind::group, 3));
    second = home.new_state();
    ASSERT_TRUE(open_or_create_database(*second));
    ASSERT_TRUE(read_configuration(*second));
    ASSERT_TRUE(finish_database_startup(*second));
    ASSERT_TRUE(read_record(*second, RecordKind::tournament, 1));
    home.ui.messages.clear();
  }

  // The first opener's window reads group 3; the second opener then saves a
  // score into it.
  GroupBuffer read_then_changed_by_second() {
    EXPECT_TRUE(read_record(first, RecordKind::tournament, 1));
    EXPECT_TRUE(read_record(first, RecordKind::group, 3));
    GroupBuffer as_read = first.group;
    EXPECT_TRUE(read_record(*second, RecordKind::group, 3));
    second->group.entries[0].hole_scores[0] = 4;
    EXPECT_TRUE(write_record(*second, RecordKind::group, 3));
    return as_read;
  }

  GroupBuffer stored_group() {
    EXPECT_TRUE(read_record(*second, RecordKind::group, 3));
    return second->group;
  }
};

TEST_F(CheckedSaveTest, AnUnchangedGroupIsSaved) {
  ASSERT_TRUE(read_record(first, RecordKind::group, 3));
  GroupBuffer as_read = first.group;
  GroupBuffer typed = as_read;
  set_field_text(typed.entries[1].name, "Bob Baker");
  EXPECT_EQ(save_group_if_unchanged(first, 3, as_read, typed), CheckedSave::saved);
  EXPECT_EQ(field_text(stored_group().entries[1].name), "Bob Baker");
  EXPECT_TRUE(home.ui.messages.empty());
}

TEST_F(CheckedSaveTest, AChangeByAnotherOpenerIsKeptAndTheUserAsked) {
  GroupBuffer as_read = read_then_changed_by_second();
  GroupBuffer typed = as_read;
  set_field_text(typed.entries[1].name, "Bob Baker");

  home.ui.answer(Button::no);
  EXPECT_EQ(save_group_if_unchanged(first, 3, as_read, typed), CheckedSave::keep_typing);
  home.ui.answer(Button::yes);
  EXPECT_EQ(save_group_if_unchanged(first, 3, as_read, typed), CheckedSave::reload);

  GroupBuffer stored = stored_group();
  EXPECT_EQ(stored.entries[0].hole_scores[0], 4);
  EXPECT_EQ(field_text(stored.entries[1].name), "");
  ASSERT_EQ(home.ui.messages.size(), 2u);
  EXPECT_EQ(home.ui.messages[0].title, "Quillon - Information");
  EXPECT_EQ(home.ui.messages[0].text, changed_text);

  // Saving over what is stored now works.
  GroupBuffer reloaded = stored;
  set_field_text(reloaded.entries[1].name, "Bob Baker");
  EXPECT_EQ(save_group_if_unchanged(first, 3, stored, reloaded), CheckedSave::saved);
  EXPECT_EQ(stored_group().entries[0].hole_scores[0], 4);
}

TEST_F(CheckedSaveTest, AWindowReloadsOnlyWhenTheUserSaysSo) {
  GroupBuffer as_read = read_then_changed_by_second();
  GroupBuffer typed = as_read;
  set_field_text(typed.entries[1].name, "Bob Baker");
  int reloads = 0;
  auto reload = [&reloads] { ++reloads; };

  home.ui.answer(Button::no);
  EXPECT_FALSE(save_group_or_reload(first, 3, as_read, typed, reload));
  EXPECT_EQ(reloads, 0);
  home.ui.answer(Button::yes);
  EXPECT_FALSE(save_group_or_reload(first, 3, as_read, typed, reload));
  EXPECT_EQ(reloads, 1);

  GroupBuffer stored = stored_group();
  GroupBuffer retyped = stored;
  set_field_text(retyped.entries[1].name, "Bob Baker");
  EXPECT_TRUE(save_group_or_reload(first, 3, stored, retyped, reload));
  EXPECT_EQ(reloads, 1);
  EXPECT_EQ(field_text(stored_group().entries[1].name), "Bob Baker");
}

TEST_F(CheckedSaveTest, AFailedWriteIsToldAndNothingCountsAsSaved) {
  ASSERT_TRUE(read_record(first, RecordKind::group, 3));
  GroupBuffer as_read = first.group;
  first.db.fail_writes_after(0);
  EXPECT_EQ(save_group_if_unchanged(first, 3, as_read, as_read), CheckedSave::failed);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].text,
            "The Quillon database could not be written (write: No space left on device).\n\n"
            "The last change was NOT saved.");
}

// Saves `saves` scores into one row of group 3, as a user who reloads after
// every conflict and types again; true when every score was saved.
bool save_scores_in_row(TestHome& home, int row, int saves) {
  auto state = home.new_state();
  if (!open_or_create_database(*state)) return false;
  EXPECT_TRUE(read_configuration(*state));
  EXPECT_TRUE(finish_database_startup(*state));
  EXPECT_TRUE(read_record(*state, RecordKind::tournament, 1));
  for (int score = 1; score <= saves; ++score) {
    for (;;) {
      home.ui.answer(Button::yes);
      EXPECT_TRUE(read_record(*state, RecordKind::group, 3));
      GroupBuffer as_read = state->group;
      GroupBuffer typed = as_read;
      typed.entries[row - 1].hole_scores[0] = static_cast<std::int8_t>(score);
      CheckedSave saved = save_group_if_unchanged(*state, 3, as_read, typed);
      if (saved == CheckedSave::saved) break;
      if (saved != CheckedSave::reload) return false;
    }
  }
  return true;
}

TEST_F(CheckedSaveTest, TwoProcessesSavingScoresInOneGroupLoseNothing) {
  constexpr int rounds = 5;
  constexpr int saves = 12;
  for (int round = 0; round < rounds; ++round) {
    pid_t children[2];
    for (int i = 0; i < 2; ++i) {
      children[i] = fork();
      if (children[i] == 0) _exit(save_scores_in_row(home, i + 1, saves) ? 0 : 1);
    }
    for (pid_t child : children) {
      int status = 0;
      ASSERT_EQ(waitpid(child, &status, 0), child);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
    }
    GroupBuffer stored = stored_group();
    EXPECT_EQ(stored.entries[0].hole_scores[0], saves) << "round " << round;
    EXPECT_EQ(stored.entries[1].hole_scores[0], saves) << "round " << round;
    EXPECT_EQ(field_text(stored.entries[0].name), "Ann Able");
    // The next round starts from no scores.
    stored.entries[0].hole_scores[0] = 0;
    stored.entries[1].hole_scores[0] = 0;
    second->group = stored;
    ASSERT_TRUE(write_record(*second, RecordKind::group, 3));
  }
}

}  // namespace
}  // namespace quillon
