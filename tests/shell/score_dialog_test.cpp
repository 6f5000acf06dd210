#include "shell/score_dialog.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QtTest/QTest>

#include "shell/dialog_registry.h"
#include "tests/shell/club_fixture.h"

namespace quillon::shell {
namespace {

constexpr int dark_green = 17;  // below par
constexpr int middle_green = 68;  // par
constexpr int light_green = 170;  // above par or not entered

struct ScoreWindowTest : ::testing::Test {
  testing::Club club;

  std::unique_ptr<ModelDialog> open(ScoreEntryModel& model) {
    auto dialog = create_dialog(model, DialogContext{});
    EXPECT_NE(dynamic_cast<ScoreDialog*>(dialog.get()), nullptr);
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    return dialog;
  }
  static QString figure(ScoreDialog& dialog, const char* column, int row) {
    return qobject_cast<QLabel*>(dialog.widget_for(ScoreEntryModel::row_field(column, row)))->text();
  }
};

TEST_F(ScoreWindowTest, HolesTypedMoveAlongTheCardAndAreFramedAgainstPar) {
  ASSERT_TRUE(club.add_tournament_of("Net Scores"));
  club.put_golfers({"Alan Brooks", "Brian Carter", "", "David Evans"});
  ScoreEntryModel model(club.state, 1, {});
  auto made = open(model);
  auto& dialog = static_cast<ScoreDialog&>(*made);
  EXPECT_EQ(dialog.windowTitle(), "Add Scores : Spring Cup - Net Scores");
  EXPECT_EQ(QApplication::focusWidget(), dialog.hole_cell(1, 1));
  EXPECT_EQ(dialog.cell_green(1, 1), light_green);  // nothing entered yet

  // Hole 1 is a par 5, hole 2 a par 3, hole 3 a par 4.
  QTest::keyClicks(QApplication::focusWidget(), "4");
  EXPECT_EQ(QApplication::focusWidget(), dialog.hole_cell(1, 2));
  QTest::keyClicks(QApplication::focusWidget(), "3");
  QTest::keyClicks(QApplication::focusWidget(), "5");
  EXPECT_EQ(model.text(ScoreEntryModel::hole_field(1, 3)), "5");
  EXPECT_EQ(dialog.cell_green(1, 1), dark_green);
  EXPECT_EQ(dialog.cell_green(1, 2), middle_green);
  EXPECT_EQ(dialog.cell_green(1, 3), light_green);
  EXPECT_EQ(figure(dialog, "front_total", 1), "12");
  EXPECT_EQ(figure(dialog, "total", 1), "12");

  // An ace keeps the cursor in its cell.
  QTest::keyClicks(QApplication::focusWidget(), "1");
  EXPECT_EQ(QApplication::focusWidget(), dialog.hole_cell(1, 4));
  EXPECT_EQ(dialog.cell_green(1, 4), dark_green);

  // Holes 9 and 10 lie on the two lines of the card: the cursor goes on to the second.
  dialog.hole_cell(1, 9)->setFocus();
  QTest::keyClicks(dialog.hole_cell(1, 9), "4");
  EXPECT_EQ(QApplication::focusWidget(), dialog.hole_cell(1, 10));

  // A row without a golfer passes the cursor on to the next golfer.
  dialog.hole_cell(3, 5)->setFocus();
  EXPECT_EQ(QApplication::focusWidget(), dialog.hole_cell(4, 5));

  club.home.ui.messages.clear();
  QTest::mouseClick(dialog.widget_for(ScoreEntryModel::row_field("dq", 2)), Qt::LeftButton);
  EXPECT_EQ(club.home.ui.message_texts(),
            std::vector<std::string>{
                "Designating a golfer as disqualified will cause the golfer to be excluded from tournament results."});

  made->accept();
  EXPECT_EQ(made->result(), QDialog::Accepted);
  ASSERT_TRUE(read_record(club.state, RecordKind::group, 1));
  EXPECT_EQ(club.state.group.entries[0].hole_scores[0], 4);
  EXPECT_EQ(club.state.group.entries[0].hole_scores[3], 1);
  EXPECT_EQ(club.state.group.entries[1].disqualified, 1);
}

// A card typed from hole 2 stays in the window once the last hole saved it,
// and a card is corrected by typing over its scores: each cell entered, by
// click or by the move to the next hole, selects its score.
TEST_F(ScoreWindowTest, ACardBegunOnHoleTwoStaysShownAndIsCorrectedByTypingOver) {
  ASSERT_TRUE(club.add_tournament_of("Net Scores"));
  club.put_golfers({"Alan Brooks", "Brian Carter"});
  ScoreEntryModel model(club.state, 1, {});
  auto made = open(model);
  auto& dialog = static_cast<ScoreDialog&>(*made);

  QTest::mouseClick(dialog.hole_cell(1, 2), Qt::LeftButton);
  ASSERT_EQ(QApplication::focusWidget(), dialog.hole_cell(1, 2));
  for (int hole = 2; hole <= 18; ++hole) QTest::keyClicks(QApplication::focusWidget(), "5");
  EXPECT_EQ(QApplication::focusWidget(), dialog.hole_cell(2, 1));  // saved, on to the next golfer
  EXPECT_EQ(dialog.hole_cell(1, 1)->text(), "");
  EXPECT_EQ(dialog.hole_cell(1, 2)->text(), "5");
  EXPECT_EQ(dialog.hole_cell(1, 18)->text(), "5");
  EXPECT_EQ(figure(dialog, "total", 1), "85");
  ASSERT_TRUE(read_record(club.state, RecordKind::group, 1));
  EXPECT_EQ(club.state.group.entries[0].hole_scores[0], 0);
  EXPECT_EQ(club.state.group.entries[0].hole_scores[17], 5);

  club.home.ui.messages.clear();
  QTest::mouseClick(dialog.hole_cell(1, 5), Qt::LeftButton);
  EXPECT_EQ(dialog.hole_cell(1, 5)->selectedText(), "5");
  QTest::keyClicks(QApplication::focusWidget(), "4");
  EXPECT_EQ(dialog.hole_cell(1, 5)->text(), "4");
  ASSERT_EQ(QApplication::focusWidget(), dialog.hole_cell(1, 6));
  EXPECT_EQ(dialog.hole_cell(1, 6)->selectedText(), "5");
  QTest::keyClicks(QApplication::focusWidget(), "6");
  EXPECT_EQ(dialog.hole_cell(1, 6)->text(), "6");
  ASSERT_EQ(QApplication::focusWidget(), dialog.hole_cell(1, 7));
  EXPECT_EQ(dialog.hole_cell(1, 7)->selectedText(), "5");
  EXPECT_TRUE(club.home.ui.messages.empty());
  EXPECT_EQ(figure(dialog, "total", 1), "85");

  made->accept();
  ASSERT_TRUE(read_record(club.state, RecordKind::group, 1));
  EXPECT_EQ(club.state.group.entries[0].hole_scores[4], 4);
  EXPECT_EQ(club.state.group.entries[0].hole_scores[5], 6);
}

TEST_F(ScoreWindowTest, ScrambleHasTheTeamCardWithoutPar) {
  ASSERT_TRUE(club.add_tournament_of("Scramble"));
  club.put_golfers({"Alan Brooks", "Brian Carter"});
  ScoreEntryModel model(club.state, 1, {});
  ASSERT_EQ(model.id(), "team_score_entry");
  auto made = open(model);
  auto& dialog = static_cast<ScoreDialog&>(*made);
  EXPECT_EQ(dialog.widget_for(ScoreEntryModel::row_field("name", 1)), nullptr);
  EXPECT_EQ(qobject_cast<QLabel*>(dialog.widget_for("hole_heading.10"))->text(), "10");
  EXPECT_EQ(dialog.hole_cell(2, 1), nullptr);

  dialog.hole_cell(1, 1)->setFocus();
  QTest::keyClicks(dialog.hole_cell(1, 1), "3");
  EXPECT_EQ(QApplication::focusWidget(), dialog.hole_cell(1, 2));
  EXPECT_EQ(dialog.cell_green(1, 1), 0);
  EXPECT_EQ(figure(dialog, "front_total", 1), "3");
}

}  // namespace
}  // namespace quillon::shell
