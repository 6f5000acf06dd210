#include "shell/form_dialog.h"

#include <QPushButton>

#include "shell/field_hints.h"

namespace quillon::shell {

FormDialog::FormDialog(DialogModel& model, HelpTopicFn show_help, QWidget* parent)
    : ModelDialog(model, std::move(show_help), parent),
      fields_(
          model, [this](const std::string& before) { after_change(before); }, this) {}

QDialogButtonBox* FormDialog::make_buttons() {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  if (model().offers_help_button() || dialog_help(model()) != Help::contents)
    buttons->addButton(QDialogButtonBox::Help);
  connect(buttons, &QDialogButtonBox::accepted, this, &FormDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &FormDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, &FormDialog::show_help);
  fields_.add_other("ok", buttons->button(QDialogButtonBox::Ok));
  fields_.add_other("cancel", buttons->button(QDialogButtonBox::Cancel));
  return buttons;
}

void FormDialog::start() {
  refresh();
  if (!model().focus().empty()) fields_.focus(model().focus());
}

void FormDialog::finish(QBoxLayout* outer, std::vector<QWidget*> tab_order) {
  QDialogButtonBox* buttons = make_buttons();
  outer->addWidget(buttons);
  for (auto b : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel, QDialogButtonBox::Help})
    tab_order.push_back(buttons->button(b));
  chain_tab_order(tab_order);
  start();
}

void FormDialog::refresh() {
  fields_.refresh();
  refresh_extras();
}

void FormDialog::after_change(const std::string& focus_before) {
  refresh();
  if (model().focus() != focus_before) fields_.focus(model().focus());
}

}  // namespace quillon::shell
