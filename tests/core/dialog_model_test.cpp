// Typing into a toolkit-free dialog and running it from a script.
#include <gtest/gtest.h>

#include "core/dialog_model.h"
#include "core/messages.h"
#include "core/scripted_ui.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::TestHome;

// A small dialog: a name that must not be empty, a tee list, a tick box, a
// button that fills the name, and a typing rule that moves on after 3 letters.
class TeeDialog : public DialogModel {
 public:
  explicit TeeDialog(State& state) : state_(state) {
    title_ = "Tee";
    add(Field::text_field("code", "Code", 3));
    add(Field::text_field("name", "Name", 15));
    add(Field::list_field("tee", "Tee", {"Blue", "White", "Red"}));
    add(Field::multi_list_field("days", "Days", {"Mon", "Tue", "Wed"}));
    add(Field::check_field("cart", "Cart"));
    add(Field::button_field("fill", "Fill"));
    add(Field::label_field("note", "Notes"));
    add(Field::text_field("locked", "Locked")).enabled = false;
  }
  std::string id() const override { return "tee"; }
  bool accept() override {
    if (text("name").empty()) {
      message_box(state_, message_kind::error, "Tee name must be entered");
      return false;
    }
    stored = text("name");
    return true;
  }
  std::string stored;

 protected:
  void on_changed(Field& f) override {
    if (f.name == "code" && f.text.size() == 3) set_focus("name");
  }
  void on_pressed(Field& f) override {
    if (f.name == "fill") field("name").text = "Championship";
  }

 private:
  State& state_;
};

TEST(DialogModel, TypingFollowsTheFieldKinds) {
  TestHome home;
  auto state = home.new_state();
  TeeDialog d(*state);
  EXPECT_TRUE(d.set("code", "ABCD").is_ok());
  EXPECT_EQ(d.text("code"), "ABC");
  EXPECT_EQ(d.focus(), "name");  // the typing rule moved on
  EXPECT_TRUE(d.set("tee", " white ").is_ok());
  EXPECT_EQ(d.index("tee"), 1);
  EXPECT_TRUE(d.set("tee", "#3").is_ok());
  EXPECT_EQ(d.index("tee"), 2);
  EXPECT_EQ(field_value_text(*d.find("tee")), "Red");
  EXPECT_TRUE(d.set("days", "Wed,Mon").is_ok());
  EXPECT_EQ(d.find("days")->selected, (std::vector<int>{0, 2}));
  EXPECT_EQ(field_value_text(*d.find("days")), "Mon,Wed");
  EXPECT_TRUE(d.set("cart", "yes").is_ok());
  EXPECT_TRUE(d.checked("cart"));
  EXPECT_TRUE(d.set("cart", "0").is_ok());
  EXPECT_FALSE(d.checked("cart"));

  EXPECT_EQ(d.set("tee", "Gold").reason(), "\"Gold\" is not one of the choices of tee");
  EXPECT_EQ(d.index("tee"), 2);
  EXPECT_EQ(d.set("tee", "#4").reason(), "\"#4\" is not one of the choices of tee");
  EXPECT_EQ(d.set("cart", "maybe").reason(), "the tick box cart takes 1 or 0");
  EXPECT_EQ(d.set("colour", "x").reason(), "the dialog \"Tee\" has no field colour");
  EXPECT_EQ(d.set("locked", "x").reason(), "the field locked cannot be typed into now");
  EXPECT_EQ(d.set("note", "x").reason(), "the field note is not editable");
  EXPECT_EQ(d.press("tee").reason(), "the dialog \"Tee\" has no button tee");
  EXPECT_TRUE(d.press("fill").is_ok());
  EXPECT_EQ(d.text("name"), "Championship");
}

// Golfer lines whose names hold commas, as the import window lists them.
class GolferLines : public DialogModel {
 public:
  GolferLines() {
    add(Field::multi_list_field("golfers", "Golfers", {"Lee, Ann\t40.4", "Lee\t10.0", "Stone, Bob\t12.3"}));
  }
  std::string id() const override { return "golfer_lines"; }
  bool accept() override { return true; }
};

TEST(DialogModel, MultiListChoicesMayHoldCommas) {
  GolferLines d;
  EXPECT_TRUE(d.set("golfers", "Lee, Ann,Stone, Bob").is_ok());
  EXPECT_EQ(d.find("golfers")->selected, (std::vector<int>{0, 2}));
  EXPECT_TRUE(d.set("golfers", "Stone, Bob,Lee").is_ok());
  EXPECT_EQ(d.find("golfers")->selected, (std::vector<int>{1, 2}));
  EXPECT_TRUE(d.set("golfers", "#2,Lee, Ann").is_ok());
  EXPECT_EQ(d.find("golfers")->selected, (std::vector<int>{0, 1}));
  EXPECT_EQ(d.set("golfers", "Ng, Dee,Lee").reason(), "\"Ng\" is not one of the choices of golfers");
}

TEST(ScriptedUi, RunsDialogsFromTheScript) {
  TestHome home;
  auto state = home.new_state();
  home.ui.dialog({{{"name", "Blue Tees"}}, false, false});
  home.ui.dialog({{{"!fill", ""}}, false, false});
  home.ui.dialog({{{"name", "Never Stored"}}, true, false});
  home.ui.dialog({{}, false, false});
  home.ui.dialog({{{"tee", "Gold"}}, false, false});

  TeeDialog first(*state);
  EXPECT_TRUE(home.ui.run_dialog(first));
  EXPECT_EQ(first.stored, "Blue Tees");
  TeeDialog second(*state);
  EXPECT_TRUE(home.ui.run_dialog(second));
  EXPECT_EQ(second.stored, "Championship");
  TeeDialog cancelled(*state);
  EXPECT_FALSE(home.ui.run_dialog(cancelled));
  EXPECT_EQ(cancelled.stored, "");
  TeeDialog refused(*state);
  EXPECT_FALSE(home.ui.run_dialog(refused));
  EXPECT_EQ(home.ui.refused_dialogs, 1);
  EXPECT_EQ(home.ui.message_texts(), (std::vector<std::string>{"Tee name must be entered"}));
  TeeDialog wrong(*state);
  EXPECT_THROW(home.ui.run_dialog(wrong), ScriptError);
  TeeDialog unscripted(*state);
  EXPECT_THROW(home.ui.run_dialog(unscripted), UnansweredQuestion);
}

}  // namespace
}  // namespace quillon
