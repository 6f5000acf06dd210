#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "shell/dialog_registry.h"
#include "shell/form_dialog.h"
#include "shell/window_placement.h"
#include "tests/shell/club_fixture.h"
#include "tournament/golfer_summary.h"
#include "tournament/shotgun_holes.h"

namespace quillon::shell {
namespace {

using quillon::testing::Club;

constexpr int laptop_height = 768;
constexpr int title_and_task_bars = 80;

TEST(ShotgunHolesWindow, AllEighteenHolesAndTheButtonsFitALaptopScreen) {
  Club club;
  ASSERT_TRUE(club.add_tournament_of("Net Scores"));
  club.state.header.shotgun2_groups_per_hole[16] = 2;
  ShotgunHolesModel model(club.state, club.state.header, 1);
  auto dialog = create_dialog(model, DialogContext{});
  dialog->show();
  EXPECT_LE(dialog->height(), laptop_height - title_and_task_bars);
  auto* form = static_cast<FormDialog*>(dialog.get());
  auto* seventeenth = qobject_cast<QComboBox*>(form->widget_for(ShotgunHolesModel::shotgun_field(2, 17)));
  ASSERT_NE(seventeenth, nullptr);
  EXPECT_EQ(seventeenth->currentText(), "2");
  EXPECT_TRUE(form->widget_for("ok")->isVisible());
  EXPECT_EQ(model.par(1), 5);
  EXPECT_EQ(model.par(2), 3);
}

TEST(GolferSummaryWindow, StartsInTheFirstNameAndNamesTheTournament) {
  Club club;
  ASSERT_TRUE(club.add_tournament_of("Net Scores"));
  GolferSummaryModel model(club.state, 1);
  auto dialog = create_dialog(model, DialogContext{});
  dialog->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  EXPECT_EQ(dialog->windowTitle(), "Maintain Golfer Information : Spring Cup");
  auto* form = static_cast<FormDialog*>(dialog.get());
  QWidget* first_name = form->widget_for(GolferSummaryModel::row_field("name", 1, 1));
  EXPECT_EQ(QApplication::focusWidget(), first_name);
  QTest::keyClicks(QApplication::focusWidget(), "Ann Lee");
  EXPECT_EQ(qobject_cast<QLineEdit*>(first_name)->text(), "Ann Lee");
  dialog->reject();
}

TEST(WindowPlacement, ADialogOpensCentredOverItsOwnerAndInsideTheScreen) {
  QWidget owner;
  owner.setGeometry(100, 100, 600, 400);
  owner.show();
  QDialog dialog(&owner);
  dialog.resize(200, 100);
  centre_over(dialog, &owner);
  EXPECT_NEAR(dialog.geometry().center().x(), owner.frameGeometry().center().x(), 1);
  EXPECT_NEAR(dialog.geometry().center().y(), owner.frameGeometry().center().y(), 1);

  // An owner at the screen's corner does not push the dialog off it.
  QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  owner.move(screen.right() - 50, screen.bottom() - 50);
  centre_over(dialog, &owner);
  EXPECT_TRUE(screen.contains(dialog.geometry()));
}

}  // namespace
}  // namespace quillon::shell
