// The desktop's progress window during network transfers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>

#include "core/ui.h"
#include "shell/qt_ui.h"

namespace quillon::shell {
namespace {

int progress_windows() {
  int count = 0;
  for (QWidget* w : QApplication::allWidgets())
    if (qobject_cast<QProgressDialog*>(w)) ++count;
  return count;
}

TEST(QtUiProgress, AMessageTakesTheProgressWindowAwayAndALaterStepBringsItBack) {
  QtUi ui;
  ui.unattended = true;  // messages are not shown modally
  EXPECT_TRUE(ui.progress("Database Restore", "Downloading the backup from the Cuplink Network...", 40));
  EXPECT_EQ(progress_windows(), 1);
  ui.show_message(1, "Quillon - Error", "ERR : The backup file could not be located on the Cuplink Network.");
  EXPECT_EQ(progress_windows(), 0);
  EXPECT_TRUE(ui.progress("Database Restore", "Connecting to the Cuplink Network...", -1));
  EXPECT_EQ(progress_windows(), 1);
  ui.progress_done();
  EXPECT_EQ(progress_windows(), 0);
}

}  // namespace
}  // namespace quillon::shell
