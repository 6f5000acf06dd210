#include "shell/tournament_dialog.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest/QTest>

#include "core/fixed_text.h"
#include "shell/dialog_registry.h"
#include "tests/shell/club_fixture.h"
#include "tournament/header_defaults.h"

namespace quillon::shell {
namespace {

std::string tee(int division) { return division_field("division_tee", division); }

TEST(TournamentDialogWindow, DivisionRowsFollowTheCountAndTheKeyboardRunsDownTheLeftColumn) {
  testing::Club club;
  testing::put_course(club.state, 1, "Pine Valley", "PV", "Blue", 18);
  TournamentDialogModel model(club.state, new_tournament_header(club.state), TournamentDialogMode::add, 1);
  auto made = create_dialog(model, DialogContext{});
  auto* dialog = dynamic_cast<TournamentDialog*>(made.get());
  ASSERT_NE(dialog, nullptr);
  dialog->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));

  auto shown_rows = [&] {
    int rows = 0;
    for (int d = 1; d <= 10; ++d) {
      bool shown = dialog->widget_for(tee(d))->isVisible();
      EXPECT_EQ(dialog->widget_for(division_field("division_allowance", d))->isVisible(), shown);
      EXPECT_EQ(dialog->widget_for(division_field("division_handicap_limit", d))->isVisible(), shown);
      if (shown) rows = d;
    }
    return rows;
  };
  EXPECT_EQ(shown_rows(), 1);

  // Choosing three divisions with the keyboard shows three rows.
  auto* count = qobject_cast<QComboBox*>(dialog->widget_for("division_count"));
  count->setFocus();
  QTest::keyClick(count, Qt::Key_Down);
  QTest::keyClick(count, Qt::Key_Down);
  EXPECT_EQ(model.index("division_count"), 2);
  EXPECT_EQ(shown_rows(), 3);
  QTest::keyClick(count, Qt::Key_Up);
  EXPECT_EQ(shown_rows(), 2);

  // The date, its calendar button, the name and the address lines, in that order.
  auto* date = qobject_cast<QLineEdit*>(dialog->widget_for("date"));
  date->setFocus();
  for (const char* next : {"choose_date", "name", "address_line1", "address_line2"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog->widget_for(next)) << next;
  }

  // Typing reaches the model; OK stores the header in the buffer.
  auto* name = qobject_cast<QLineEdit*>(dialog->widget_for("name"));
  name->setFocus();
  QTest::keyClicks(name, "Autumn & Co");
  EXPECT_EQ(model.text("name"), "Autumn & Co");
  club.home.ui.messages.clear();
  dialog->accept();
  EXPECT_EQ(club.home.ui.message_texts(),
            std::vector<std::string>{"The tournament name cannot include the '&' character."});
  EXPECT_TRUE(dialog->isVisible());
  name->clear();
  QTest::keyClicks(name, "Autumn Cup");
  dialog->accept();
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(field_text(club.state.header.name), "Autumn Cup");
  EXPECT_EQ(club.state.header.division_count, 2);
}

TEST(TournamentDialogWindow, FormatControlsShowWithTheirFormat) {
  testing::Club club;
  testing::put_course(club.state, 1, "Pine Valley", "PV", "Blue", 18);
  TournamentDialogModel model(club.state, new_tournament_header(club.state), TournamentDialogMode::add, 1);
  TournamentDialog dialog(model, nullptr, nullptr);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

  auto* format = qobject_cast<QComboBox*>(dialog.widget_for("format"));
  auto choose = [&](const char* name) {
    int i = format->findText(name);
    ASSERT_GE(i, 0) << name;
    Q_EMIT format->activated(i);
  };
  choose("Peoria Handicaps (Double)");
  EXPECT_TRUE(dialog.widget_for("peoria_hole.1")->isVisible());
  EXPECT_TRUE(dialog.widget_for("peoria_hole2.6")->isVisible());
  EXPECT_EQ(qobject_cast<QLabel*>(dialog.widget_for("peoria_label"))->text(), "Peoria Holes");
  EXPECT_FALSE(dialog.widget_for("best_balls")->isVisible());

  choose("Best Ball(s) - Net");
  EXPECT_FALSE(dialog.widget_for("peoria_hole.1")->isVisible());
  EXPECT_TRUE(dialog.widget_for("best_balls")->isVisible());

  choose("Net Scores with 1 Callaway Division");
  EXPECT_TRUE(dialog.widget_for("callaway_division")->isVisible());
  EXPECT_TRUE(dialog.widget_for("callaway_configuration")->isVisible());
  EXPECT_TRUE(dialog.widget_for(tee(2))->isVisible());
  EXPECT_FALSE(dialog.widget_for(tee(3))->isVisible());

  // Double Shotgun shows its groups field and relabels "To" as "and".
  auto* start = qobject_cast<QComboBox*>(dialog.widget_for("start_type"));
  Q_EMIT start->activated(start->findText("Double Shotgun"));
  EXPECT_TRUE(dialog.widget_for("first_shotgun_groups")->isVisible());
  EXPECT_TRUE(dialog.widget_for("shotgun_holes")->isVisible());
  auto caption_of = [&](const char* name) {
    for (QLabel* label : dialog.findChildren<QLabel*>())
      if (label->buddy() == dialog.widget_for(name)) return label->text();
    return QString();
  };
  EXPECT_EQ(caption_of("last_tee_time"), "and");
  Q_EMIT start->activated(start->findText("Normal"));
  EXPECT_EQ(caption_of("last_tee_time"), "To");
  EXPECT_FALSE(dialog.widget_for("first_shotgun_groups")->isVisible());
}

}  // namespace
}  // namespace quillon::shell
