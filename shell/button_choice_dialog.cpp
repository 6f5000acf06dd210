#include "shell/button_choice_dialog.h"

#include <QPushButton>

#include "shell/dialog_registry.h"

namespace quillon::shell {

namespace {

std::unique_ptr<ModelDialog> make_choice_dialog(DialogModel& model, const DialogContext& context) {
  return std::make_unique<ButtonChoiceDialog>(dynamic_cast<ButtonChoiceModel&>(model), context.show_help,
                                              context.parent);
}

[[maybe_unused]] const bool registered =
    register_dialog("database_backup", make_choice_dialog) && register_dialog("database_restore", make_choice_dialog);

}  // namespace

ButtonChoiceDialog::ButtonChoiceDialog(ButtonChoiceModel& model, HelpTopicFn show_help, QWidget* parent)
    : GenericDialog(model, std::move(show_help), parent), choice_(model) {
  if (QWidget* ok = widget_for("ok")) ok->hide();
  // Return in the confirmation box must not press a source button.
  for (QPushButton* button : findChildren<QPushButton*>()) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
  setMinimumWidth(520);
}

// Every press refreshes the form; a press the model accepted closes it.
void ButtonChoiceDialog::refresh() {
  GenericDialog::refresh();
  if (!choice_.chosen().empty() && isVisible()) accept();
}

}  // namespace quillon::shell
