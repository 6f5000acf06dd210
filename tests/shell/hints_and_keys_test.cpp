// Tooltips taken from the help pages, help beside the dialog it explains, and
// the usual keyboard shortcuts.
#include <gtest/gtest.h>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QTextDocument>
#include <QtTest/QTest>

#include "core/help_topics.h"
#include "core/system_configuration.h"
#include "shell/dialog_registry.h"
#include "shell/field_hints.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/menu_bar.h"
#include "shell/qt_ui.h"
#include "shell/selection_dialog.h"
#include "shell/window_placement.h"
#include "tests/shell/club_fixture.h"
#include "tournament/header_defaults.h"
#include "tournament/tournament_dialog.h"

namespace quillon::shell {
namespace {

QString help_page_text(Help topic) {
  QFile page(":/help/qlwin4_" + QString::fromStdString(help_topic(topic).page) + ".htm");
  EXPECT_TRUE(page.open(QIODevice::ReadOnly));
  QTextDocument document;
  document.setHtml(QString::fromUtf8(page.readAll()));
  return document.toPlainText().simplified();
}

// Each hint is a sentence of its help page, word for word.
TEST(FieldHints, EveryHintIsASentenceOfItsHelpPage) {
  ASSERT_FALSE(field_hints().empty());
  for (const FieldHint& hint : field_hints())
    EXPECT_TRUE(help_page_text(hint.topic).contains(QString::fromUtf8(hint.text)))
        << hint.dialog << " " << hint.field << ": " << hint.text;
}

TEST(FieldHints, TheMainWindowsButtonsAndTheDialogsFieldsShowThem) {
  testing::Club club;
  QtUi ui;
  MainWindow window(
      club.state, ui, [](State&, int) {}, [](int) { return true; });
  for (CommandButton* button : window.desktop()->buttons())
    EXPECT_FALSE(button->toolTip().isEmpty()) << button->text().toStdString();
  EXPECT_EQ(window.desktop()->buttons()[1]->toolTip(), "Scores: enter hole-by-hole scores, group by group.");

  testing::put_course(club.state, 1, "Pine Valley", "PV", "Blue", 18);
  TournamentDialogModel model(club.state, new_tournament_header(club.state), TournamentDialogMode::add, 1);
  auto dialog = create_dialog(model, DialogContext{});
  QWidget* limit = dialog->findChild<QWidget*>("results_limit");
  ASSERT_NE(limit, nullptr);
  EXPECT_TRUE(limit->toolTip().startsWith("Gross and Net Limit: in the Gross & Net Results"))
      << limit->toolTip().toStdString();
  QWidget* allowance = dialog->findChild<QWidget*>("division_allowance.3");
  ASSERT_NE(allowance, nullptr);
  EXPECT_FALSE(allowance->toolTip().isEmpty());
}

// The help opened from a dialog never covers the dialog's buttons: beside it
// where the screen has room, else narrowed, else ending above its button row.
TEST(HelpPlacement, TheHelpLeavesTheDialogsButtonsInView) {
  const QRect screen(0, 0, 1366, 728);
  const QSize help(720, 560);
  const QRect small_dialog(100, 100, 500, 400);
  EXPECT_FALSE(beside_geometry(help, small_dialog, screen).intersects(small_dialog));
  const QRect dialog_on_the_right(800, 100, 500, 400);
  EXPECT_FALSE(beside_geometry(help, dialog_on_the_right, screen).intersects(dialog_on_the_right));
  const QRect middle_dialog(350, 60, 560, 600);  // 456 to its right: the help is narrowed to that
  QRect narrowed = beside_geometry(help, middle_dialog, screen);
  EXPECT_FALSE(narrowed.intersects(middle_dialog));
  EXPECT_EQ(narrowed.width(), 456);

  const QRect wide_dialog(183, 60, 1000, 640);  // the score window: no room on either side
  QRect placed = beside_geometry(help, wide_dialog, screen);
  const QRect button_row(wide_dialog.left(), wide_dialog.bottom() - 72, wide_dialog.width(), 73);
  EXPECT_FALSE(placed.intersects(button_row));
  EXPECT_TRUE(screen.contains(placed));
  EXPECT_GE(placed.width(), 360);
  EXPECT_GE(placed.height(), 400);
}

// F1 in a dialog as the program opens it: the help comes up on screen and
// leaves the dialog's OK, Cancel and Help in view, even on a screen (800x600
// offscreen) with no room beside the dialog.
TEST(HelpPlacement, FOneInADialogKeepsItsButtonsInView) {
  testing::Club club;
  QtUi ui;
  SystemConfigurationModel model(club.state, {"Net Scores"});
  auto dialog = create_dialog(model, DialogContext{nullptr, [&ui](Help topic) { ui.show_help_topic(topic); }, {}});
  dialog->open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  QTest::keyClick(dialog.get(), Qt::Key_F1);

  auto* help = dialog->findChild<HelpWindow*>();
  ASSERT_NE(help, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
  EXPECT_EQ(help->current_page().fileName(), "qlwin4_syscfg.htm");
  const QRect screen = dialog->screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(help->frameGeometry()));
  auto* buttons = dialog->findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  const QRect button_row(buttons->mapToGlobal(QPoint(0, 0)), buttons->size());
  EXPECT_FALSE(help->frameGeometry().intersects(button_row));
  EXPECT_GE(help->width(), 360);
  EXPECT_GE(help->height(), 300);
}

// A help window opened for the first time has no frame yet: it is placed with
// one like its dialog's, so that its frame neither covers the dialog nor
// leaves the screen.
TEST(HelpPlacement, TheFrameOfANewHelpWindowStaysBesideTheDialog) {
  QDialog dialog;
  dialog.resize(300, 300);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const QRect screen = dialog.screen()->availableGeometry();
  dialog.move(screen.left() + 400, screen.top() + 100);  // 400 to its left: the help is narrowed to that
  ASSERT_FALSE(dialog.frameGeometry().size() == dialog.size()) << "the platform draws no frames";

  HelpWindow help;
  help.show_page("Contents", "", &dialog);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
  EXPECT_FALSE(help.frameGeometry().intersects(dialog.frameGeometry()));
  EXPECT_TRUE(screen.contains(help.frameGeometry()));
  EXPECT_EQ(help.frameGeometry().right(), dialog.frameGeometry().left() - 1);
}

// Pointing at a field's caption shows the field's hint as well.
TEST(FieldHints, CaptionsExplainTheirFields) {
  testing::Club club;
  SystemConfigurationModel model(club.state, {"Net Scores"});
  auto dialog = create_dialog(model, DialogContext{});
  int captions = 0;
  for (QLabel* label : dialog->findChildren<QLabel*>()) {
    if (!label->buddy()) continue;
    ++captions;
    EXPECT_FALSE(label->toolTip().isEmpty()) << label->text().toStdString();
    EXPECT_EQ(label->toolTip(), label->buddy()->toolTip()) << label->text().toStdString();
  }
  EXPECT_GE(captions, 10);
  QWidget* slots = dialog->findChild<QWidget*>("course_slot_count");
  ASSERT_NE(slots, nullptr);
  EXPECT_TRUE(
      slots->toolTip().startsWith("# of courses to be stored: the number of course slots in the database; "
                                  "changing it rebuilds the database"));
}

TEST(Shortcuts, TheMenusShowTheUsualKeys) {
  QMenuBar bar;
  build_menu_bar(bar, MenuHandlers{{}, {}});
  EXPECT_EQ(command_action(bar, 1101)->shortcut(), QKeySequence(QKeySequence::Quit));
  EXPECT_EQ(command_action(bar, 1801)->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST(Shortcuts, ControlFGoesBackToTheFilterOfAList) {
  SelectionDialog dialog(SelectionKind::golfer, "Select Golfer",
                         {{0, "Anderson, Ruth"}, {1, "Brown, Alan"}, {2, "Clarke, Tom"}}, false, nullptr);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  QTest::keyClicks(dialog.filter(), "br");
  dialog.list()->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), dialog.list());
  QTest::keyClick(dialog.list(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), dialog.filter());
  EXPECT_EQ(dialog.filter()->selectedText(), "br");
}

}  // namespace
}  // namespace quillon::shell
