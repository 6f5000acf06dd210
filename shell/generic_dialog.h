#pragma once
// Any DialogModel as a form: fields in their order, fields sharing a `group`
// side by side in one row, typing handed to the model and every widget
// refreshed from it afterwards.
#include <QDialogButtonBox>
#include <map>
#include <string>

#include "shell/model_dialog.h"

class QLabel;

namespace quillon::shell {

class GenericDialog : public ModelDialog {
  Q_OBJECT

 public:
  GenericDialog(DialogModel& model, HelpTopicFn show_help, QWidget* parent);

  // The widget showing a field ("ok" and "cancel" name the dialog's buttons).
  QWidget* widget_for(const std::string& name) const;
  void refresh() override;

 private:
  struct Shown {
    QWidget* widget = nullptr;
    QLabel* caption = nullptr;  // the separate caption, when the kind has one
  };

  void build();
  QWidget* make_widget(const Field& field);
  void typed(const std::string& name, const std::string& value);
  void pressed(const std::string& name);
  void refresh_field(const Field& field, const Shown& shown);
  void move_focus_to(const std::string& name);

  std::map<std::string, Shown> shown_;
  QDialogButtonBox* buttons_ = nullptr;
  bool refreshing_ = false;
};

}  // namespace quillon::shell
