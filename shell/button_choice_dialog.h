#pragma once
// The backup and restore dialogs: the generic form without an OK button,
// closed by the source button the model accepts, or by Cancel.
#include "exchange/backup/backup_dialogs.h"
#include "shell/generic_dialog.h"

namespace quillon::shell {

class ButtonChoiceDialog : public GenericDialog {
  Q_OBJECT

 public:
  ButtonChoiceDialog(ButtonChoiceModel& model, HelpTopicFn show_help, QWidget* parent);
  void refresh() override;

 private:
  ButtonChoiceModel& choice_;
};

}  // namespace quillon::shell
