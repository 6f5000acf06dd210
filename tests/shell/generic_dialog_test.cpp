#include "shell/generic_dialog.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

#include "core/messages.h"
#include "shell/dialog_registry.h"
#include "tests/testing/test_home.h"

namespace quillon::shell {
namespace {

// A small dialog with the typing rules real dialogs use: a full name moves the
// focus to OK, the tee list enables the handicap box, Reset empties the name.
class MemberModel : public DialogModel {
 public:
  explicit MemberModel(State& state) : state_(state) {
    title_ = "Member";
    help_topic_ = Help::golfers;
    add(Field::text_field("name", "Name :", 6));
    add(Field::list_field("tee", "Tee", {"White", "Yellow", "Red"}));
    add(Field::check_field("hcap", "Use handicap")).enabled = false;
    add(Field::multi_list_field("days", "Days", {"Mon", "Tue", "Wed"}));
    add(Field::text_field("par.1", "1", 1)).group = "pars";
    add(Field::text_field("par.2", "2", 1)).group = "pars";
    add(Field::label_field("total", "0"));
    add(Field::button_field("reset", "Reset"));
    set_focus("name");
  }
  std::string id() const override { return "member_test"; }
  bool accept() override {
    if (text("name").empty()) {
      message_box(state_, message_kind::error, "Enter a name");
      return false;
    }
    accepted = true;
    return true;
  }
  void cancel() override { cancelled = true; }
  bool accepted = false;
  bool cancelled = false;

 protected:
  void on_changed(Field& f) override {
    if (f.name == "name" && static_cast<int>(f.text.size()) == f.max_length) set_focus("ok");
    if (f.name == "tee") field("hcap").enabled = f.index != 0;
    if (f.name.rfind("par.", 0) == 0)
      field("total").text = std::to_string(std::atoi(text("par.1").c_str()) + std::atoi(text("par.2").c_str()));
  }
  void on_pressed(Field& f) override {
    if (f.name == "reset") field("name").text.clear();
  }

 private:
  State& state_;
};

TEST(GenericDialog, TypingGoesToTheModelAndTheModelDrivesTheWidgets) {
  testing::TestHome home;
  State& state = home.started();
  MemberModel model(state);
  GenericDialog dialog(model, nullptr, nullptr);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

  auto* name = qobject_cast<QLineEdit*>(dialog.widget_for("name"));
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(QApplication::focusWidget(), name);
  QTest::keyClicks(name, "Smith");
  EXPECT_EQ(model.text("name"), "Smith");
  EXPECT_EQ(model.focus(), "name");
  EXPECT_EQ(QApplication::focusWidget(), name);
  QTest::keyClicks(name, "y");  // the sixth character fills the field
  EXPECT_EQ(model.text("name"), "Smithy");
  EXPECT_EQ(QApplication::focusWidget(), dialog.widget_for("ok"));

  auto* hcap = qobject_cast<QCheckBox*>(dialog.widget_for("hcap"));
  EXPECT_FALSE(hcap->isEnabled());
  auto* tee = qobject_cast<QComboBox*>(dialog.widget_for("tee"));
  ASSERT_EQ(tee->count(), 3);
  EXPECT_EQ(tee->itemText(2), "Red");
  tee->activated(2);  // what a choice from the drop-down emits
  EXPECT_EQ(model.index("tee"), 2);
  EXPECT_TRUE(hcap->isEnabled());
  hcap->click();
  EXPECT_TRUE(model.checked("hcap"));

  auto* days = qobject_cast<QListWidget*>(dialog.widget_for("days"));
  days->item(0)->setSelected(true);
  days->item(2)->setSelected(true);
  EXPECT_EQ(model.find("days")->selected, (std::vector<int>{0, 2}));

  QTest::keyClicks(dialog.widget_for("par.1"), "4");
  QTest::keyClicks(dialog.widget_for("par.2"), "5");
  EXPECT_EQ(qobject_cast<QLabel*>(dialog.widget_for("total"))->text(), "9");

  QTest::mouseClick(qobject_cast<QPushButton*>(dialog.widget_for("reset")), Qt::LeftButton);
  EXPECT_EQ(model.text("name"), "");
  EXPECT_EQ(name->text(), "");
}

TEST(GenericDialog, OkClosesOnlyWhenTheModelAcceptsAndCancelTellsTheModel) {
  testing::TestHome home;
  State& state = home.started();
  home.ui.messages.clear();
  {
    MemberModel model(state);
    GenericDialog dialog(model, nullptr, nullptr);
    dialog.show();
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog.widget_for("ok")), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(model.accepted);
    ASSERT_EQ(home.ui.messages.size(), 1u);
    EXPECT_EQ(home.ui.messages[0].title, "Quillon - Error");
    EXPECT_EQ(home.ui.messages[0].text, "Enter a name");

    QTest::keyClicks(dialog.widget_for("name"), "Jones");
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog.widget_for("ok")), Qt::LeftButton);
    EXPECT_TRUE(model.accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(home.ui.messages.size(), 1u);
  }
  {
    MemberModel model(state);
    GenericDialog dialog(model, nullptr, nullptr);
    dialog.show();
    QTest::keyClicks(dialog.widget_for("name"), "Brown");
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog.widget_for("cancel")), Qt::LeftButton);
    EXPECT_TRUE(model.cancelled);
    EXPECT_FALSE(model.accepted);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
}

TEST(GenericDialog, F1AsksForTheModelsHelpTopic) {
  testing::TestHome home;
  State& state = home.started();
  MemberModel model(state);
  std::vector<Help> topics;
  DialogContext context{nullptr, [&](Help topic) { topics.push_back(topic); }, {}};
  auto dialog = create_dialog(model, context);
  EXPECT_NE(dynamic_cast<GenericDialog*>(dialog.get()), nullptr);
  dialog->show();
  QTest::keyClick(dialog.get(), Qt::Key_F1);
  EXPECT_EQ(topics, std::vector<Help>{Help::golfers});
}

}  // namespace
}  // namespace quillon::shell

namespace quillon::shell {
namespace {

class HoleModel : public DialogModel {
 public:
  HoleModel() {
    title_ = "Holes";
    add(Field::label_field("caption.hole", "Hole")).group = "captions";
    add(Field::label_field("caption.par", "Par")).group = "captions";
    add(Field::label_field("caption.hcp", "Hcap")).group = "captions";
    for (int h = 1; h <= 2; ++h) {
      std::string n = std::to_string(h);
      add(Field::text_field("par." + n, "Par " + n, 1)).group = "hole." + n;
      add(Field::text_field("hcp." + n, "Hcap " + n, 2)).group = "hole." + n;
    }
  }
  std::string id() const override { return "holes_test"; }
  bool accept() override { return true; }
};

TEST(GenericDialog, NumberedRowsLineUpUnderTheirCaptionRow) {
  HoleModel model;
  GenericDialog dialog(model, nullptr, nullptr);
  auto* grid = qobject_cast<QGridLayout*>(dialog.layout()->itemAt(0)->layout());
  ASSERT_NE(grid, nullptr);
  auto cell = [&](int row, int column) {
    QLayoutItem* item = grid->itemAtPosition(row, column);
    return item ? item->widget() : nullptr;
  };
  EXPECT_EQ(cell(0, 1), dialog.widget_for("caption.par"));
  EXPECT_EQ(qobject_cast<QLabel*>(cell(1, 0))->text(), "1");
  EXPECT_EQ(cell(1, 1), dialog.widget_for("par.1"));
  EXPECT_EQ(cell(2, 2), dialog.widget_for("hcp.2"));
  EXPECT_EQ(dialog.widget_for("hcp.2")->toolTip(), "Hcap 2");
}

}  // namespace
}  // namespace quillon::shell
