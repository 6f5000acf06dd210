#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest/QTest>

#include "core/fixed_text.h"
#include "shell/dialog_registry.h"
#include "shell/golfer_detail_dialog.h"
#include "shell/golfer_summary_dialog.h"
#include "tests/shell/club_fixture.h"

namespace quillon::shell {
namespace {

std::string row(const char* column, int shown, int r) { return GolferSummaryModel::row_field(column, shown, r); }

void type_into(FormDialog& dialog, const std::string& name, const char* text) {
  auto* edit = qobject_cast<QLineEdit*>(dialog.widget_for(name));
  ASSERT_NE(edit, nullptr) << name;
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

TEST(GolferSummaryWindow, RowsTypeIntoTheGroupsAndOkStoresThem) {
  testing::Club club;
  ASSERT_TRUE(club.add_tournament_of("Net Scores"));
  GolferSummaryModel model(club.state, 1);
  auto made = create_dialog(model, DialogContext{});
  auto* dialog = dynamic_cast<GolferSummaryDialog*>(made.get());
  ASSERT_NE(dialog, nullptr);
  dialog->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));

  EXPECT_EQ(qobject_cast<QLabel*>(dialog->widget_for("index_heading"))->text(), "Hcap Index");
  EXPECT_EQ(qobject_cast<QLabel*>(dialog->widget_for("group_label.3"))->text(), "003");
  EXPECT_TRUE(dialog->widget_for(row("name", 1, 4))->isVisible());
  EXPECT_FALSE(dialog->widget_for(row("name", 1, 5))->isVisible());  // four golfers per group
  EXPECT_FALSE(dialog->widget_for(row("division", 1, 1))->isEnabled());  // one division

  // The keyboard runs along a golfer's row, skipping the division, then to the next golfer.
  dialog->widget_for("group_number")->setFocus();
  for (const char* column : {"name", "index", "gender", "cart", "member", "skins"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog->widget_for(row(column, 1, 1))) << column;
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), dialog->widget_for(row("name", 1, 2)));

  type_into(*dialog, row("name", 1, 1), "Ann Lee");
  EXPECT_EQ(qobject_cast<QLineEdit*>(dialog->widget_for(row("gender", 1, 1)))->text(), "M");
  club.home.ui.messages.clear();
  type_into(*dialog, row("gender", 1, 1), "x");
  EXPECT_EQ(club.home.ui.message_texts(), std::vector<std::string>{"Gender must be either 'M' or 'F'."});
  EXPECT_EQ(qobject_cast<QLineEdit*>(dialog->widget_for(row("gender", 1, 1)))->text(), "M");

  // A name typed into the second group shown brings that group into use.
  type_into(*dialog, row("name", 2, 1), "Bob Hill");
  EXPECT_EQ(club.state.header.group_count, 2);
  EXPECT_EQ(qobject_cast<QComboBox*>(dialog->widget_for("group_number"))->count(), 2);

  type_into(*dialog, row("index", 1, 1), "abc");
  club.home.ui.messages.clear();
  dialog->accept();
  EXPECT_EQ(club.home.ui.message_texts(), std::vector<std::string>{"Invalid handicap index [abc] for golfer 1"});
  EXPECT_TRUE(dialog->isVisible());
  type_into(*dialog, row("index", 1, 1), "+2.5");
  QTest::mouseClick(dialog->widget_for(row("cart", 1, 1)), Qt::LeftButton);
  dialog->accept();
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  ASSERT_TRUE(read_record(club.state, RecordKind::group, 1));
  EXPECT_EQ(field_text(club.state.group.entries[0].name), "Ann Lee");
  EXPECT_EQ(club.state.group.entries[0].handicap_index, -25);
  EXPECT_EQ(club.state.group.entries[0].entry_flags & 1u, 1u);
  ASSERT_TRUE(read_record(club.state, RecordKind::group, 2));
  EXPECT_EQ(field_text(club.state.group.entries[0].name), "Bob Hill");
}

TEST(GolferSummaryWindow, ComputedHandicapsHaveTheirHeadingAndNoIndexTyping) {
  testing::Club club;
  ASSERT_TRUE(club.add_tournament_of("Callaway Handicaps"));
  GolferSummaryModel model(club.state, 1);
  GolferSummaryDialog dialog(model, nullptr, nullptr);
  EXPECT_EQ(qobject_cast<QLabel*>(dialog.widget_for("index_heading"))->text(), "Hand\n-icap");
  EXPECT_FALSE(dialog.widget_for(row("index", 1, 1))->isEnabled());
}

TEST(GolferDetailWindow, PanelsFollowTheGroupSizeAndNextBringsANewGroup) {
  testing::Club club;
  ASSERT_TRUE(club.add_tournament_of("Net Scores"));
  club.put_golfers({"Alan Brooks"});
  GolferDetailModel model(club.state, 1);
  auto made = create_dialog(model, DialogContext{});
  auto* dialog = dynamic_cast<GolferDetailDialog*>(made.get());
  ASSERT_NE(dialog, nullptr);
  dialog->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));

  EXPECT_EQ(dialog->panel(1)->title(), "Golfer #1");
  EXPECT_TRUE(dialog->panel(4)->isVisible());
  EXPECT_FALSE(dialog->panel(5)->isVisible());
  EXPECT_EQ(qobject_cast<QLineEdit*>(dialog->widget_for("name.1"))->text(), "Alan Brooks");
  EXPECT_EQ(qobject_cast<QLabel*>(dialog->widget_for("tee_time"))->text(), " 08:00");

  // Within a panel the keyboard goes down the four lines, then index, division and the boxes.
  dialog->widget_for("name.1")->setFocus();
  for (const char* next : {"info1.1", "info2.1", "info3.1", "index.1", "skins.1"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog->widget_for(next)) << next;
  }

  type_into(*dialog, "info1.1", "Member since 1990");
  type_into(*dialog, "name.2", "Brian Carter");
  QTest::mouseClick(dialog->widget_for("next"), Qt::LeftButton);
  EXPECT_EQ(club.state.header.group_count, 2);
  EXPECT_EQ(qobject_cast<QComboBox*>(dialog->widget_for("group_number"))->currentText(), "2");
  EXPECT_EQ(qobject_cast<QLineEdit*>(dialog->widget_for("name.1"))->text(), "");
  ASSERT_TRUE(read_record(club.state, RecordKind::group, 1));
  EXPECT_EQ(field_text(club.state.group.entries[0].info1), "Member since 1990");
  EXPECT_EQ(field_text(club.state.group.entries[1].name), "Brian Carter");

  QTest::mouseClick(dialog->widget_for("prev"), Qt::LeftButton);
  EXPECT_EQ(qobject_cast<QLineEdit*>(dialog->widget_for("name.2"))->text(), "Brian Carter");
}

}  // namespace
}  // namespace quillon::shell
