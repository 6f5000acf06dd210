#include "shell/button_choice_dialog.h"

#include <gtest/gtest.h>
#include <QPushButton>
#include <QtTest/QTest>

#include "exchange/backup/backup_dialogs.h"
#include "shell/dialog_registry.h"
#include "tests/testing/test_home.h"

namespace quillon::shell {
namespace {

QPushButton* button(ModelDialog& dialog, const std::string& name) {
  return qobject_cast<QPushButton*>(static_cast<GenericDialog&>(dialog).widget_for(name));
}

TEST(ButtonChoiceDialog, TheBackupDialogClosesWithTheButtonPressed) {
  BackupDialogModel model;
  auto dialog = create_dialog(model, DialogContext{});
  dialog->show();
  EXPECT_FALSE(button(*dialog, "ok")->isVisible());
  QTest::mouseClick(button(*dialog, save_server_button), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(model.target(), BackupTarget::web_server);
}

TEST(ButtonChoiceDialog, TheRestoreDialogStaysOpenUntilRestoreIsTyped) {
  testing::TestHome home;
  State& state = home.started();
  RestoreDialogModel model(state);
  auto dialog = create_dialog(model, DialogContext{});
  dialog->show();
  auto* edit = static_cast<GenericDialog&>(*dialog).widget_for(confirmation_field);
  QTest::keyClicks(edit, "restor");
  QTest::keyClick(edit, Qt::Key_Return);  // Return presses no source button
  EXPECT_TRUE(dialog->isVisible());
  QTest::mouseClick(button(*dialog, restore_browse_button), Qt::LeftButton);
  EXPECT_TRUE(dialog->isVisible());
  ASSERT_EQ(home.ui.messages.size(), 1u);
  QTest::keyClicks(edit, "E");
  QTest::mouseClick(button(*dialog, restore_browse_button), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(model.source(), RestoreSource::browse);
}

}  // namespace
}  // namespace quillon::shell
