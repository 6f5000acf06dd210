#pragma once
// The frame of a dialog laid out by hand for one model: the field widgets,
// the OK / Cancel / Help buttons, typing handed to the model followed by a
// refresh of every widget, and the focus following the model's typing rules.
#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QPushButton>
#include <string>
#include <vector>

#include "shell/field_widgets.h"
#include "shell/model_dialog.h"

namespace quillon::shell {

class FormDialog : public ModelDialog {
  Q_OBJECT

 public:
  FormDialog(DialogModel& model, HelpTopicFn show_help, QWidget* parent);

  // The widget showing a field ("ok" and "cancel" name the dialog's buttons).
  QWidget* widget_for(const std::string& name) const { return fields_.widget(name); }
  void refresh() override;

 protected:
  FieldWidgets& fields() { return fields_; }
  // OK, Cancel and, when the model has a help topic, Help.
  QDialogButtonBox* make_buttons();
  // Call once the layout is complete: shows the model's values and puts the
  // focus where the model has it.
  void start();
  // Completes a dialog laid out in `outer`: the buttons at the bottom, the tab
  // order through `tab_order` and on through the buttons, then start().
  void finish(QBoxLayout* outer, std::vector<QWidget*> tab_order);
  // What a dialog shows beyond the fields' own widgets (colours, rows).
  virtual void refresh_extras() {}
  // After a value was typed or a button pressed (`focus_before` had the focus).
  virtual void after_change(const std::string& focus_before);

 private:
  FieldWidgets fields_;
};

}  // namespace quillon::shell
