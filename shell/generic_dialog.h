#pragma once
// Any DialogModel as a form: fields in their order, fields sharing a `group`
// side by side in one row, typing handed to the model and every widget
// refreshed from it afterwards.
#include <QDialogButtonBox>
#include <string>

#include "shell/field_widgets.h"
#include "shell/model_dialog.h"

namespace quillon::shell {

class GenericDialog : public ModelDialog {
  Q_OBJECT

 public:
  GenericDialog(DialogModel& model, HelpTopicFn show_help, QWidget* parent);

  // The widget showing a field ("ok" and "cancel" name the dialog's buttons).
  QWidget* widget_for(const std::string& name) const { return fields_.widget(name); }
  void refresh() override { fields_.refresh(); }

 private:
  void build();
  QWidget* make_widget(const Field& field);

  FieldWidgets fields_;
};

}  // namespace quillon::shell
