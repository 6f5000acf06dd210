#include "shell/reorganize_dialog.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest/QTest>
#include <random>

#include "shell/dialog_registry.h"
#include "shell/tab_columns.h"
#include "tests/shell/club_fixture.h"

namespace quillon::shell {
namespace {

// "Last, First" names of ordinary length line up in columns under their
// headings, and the Cart column is in view without scrolling across.
TEST(ReorganizeWindow, GolferLinesStandInColumnsUnderTheirHeadings) {
  testing::Club club;
  ASSERT_TRUE(club.add_tournament_of("Net Scores"));
  club.put_golfers({"Brooks, Alan", "Montgomery-Smythe, Jonathan", "Li, Bo", "Carter, Brian"});
  std::mt19937 random(1);
  ReorganizeModel model(club.state, ReorganizeMode::reorganise, nullptr, random);
  auto dialog = create_dialog(model, DialogContext{});
  dialog->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));

  auto* field = dialog->findChild<QListWidget*>("field");
  ASSERT_NE(field, nullptr);
  auto* delegate = dynamic_cast<TabColumnsDelegate*>(field->itemDelegate());
  ASSERT_NE(delegate, nullptr);
  // The line texts the runner and the tests use stay as they were.
  QListWidgetItem* brooks = nullptr;
  for (int i = 0; i < field->count(); ++i)
    if (field->item(i)->text().startsWith("Brooks, Alan\t")) brooks = field->item(i);
  ASSERT_NE(brooks, nullptr);

  // Each heading stands over the left edge of its column, whatever the name's length.
  const std::vector<int> lefts = delegate->cell_lefts(field->visualItemRect(brooks));
  const QStringList headings{"Golfer", "Hcap", "Skins", "Cart"};
  const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
  for (int column = 0; column < headings.size(); ++column) {
    const QLabel* heading = nullptr;
    for (const QLabel* label : labels)
      if (label->objectName() == "heading." + headings[column] && label->isVisible() &&
          label->mapTo(dialog.get(), QPoint()).x() > field->mapTo(dialog.get(), QPoint()).x() - 10)
        heading = label;
    ASSERT_NE(heading, nullptr) << headings[column].toStdString();
    const int heading_x = heading->mapTo(dialog.get(), QPoint()).x();
    const int cell_x = field->viewport()->mapTo(dialog.get(), QPoint(lefts[column], 0)).x();
    EXPECT_NEAR(heading_x, cell_x, 2) << headings[column].toStdString();
  }
  // The Cart column and the letter after it are in view.
  EXPECT_EQ(field->horizontalScrollBar()->maximum(), 0);
  EXPECT_LE(lefts[4] + field->fontMetrics().horizontalAdvance("M"), field->viewport()->width());
}

}  // namespace
}  // namespace quillon::shell
