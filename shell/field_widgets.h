#pragma once
// The widgets of a dialog model's fields, whatever layout places them: typing
// and clicks go to the model, then the owner refreshes, and `refresh` brings
// every widget made here in line with its field (value, options, enabled,
// visible). Captions made here follow their field's visibility.
#include <QObject>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/dialog_model.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace quillon::shell {

class FieldWidgets : public QObject {
  Q_OBJECT

 public:
  // `changed` runs after every value typed or button pressed, with the field
  // that had the focus before; it refreshes the dialog (which calls `refresh`
  // here) and follows the model's focus when a typing rule moved it.
  using Changed = std::function<void(const std::string& focus_before)>;
  FieldWidgets(DialogModel& model, Changed changed, QObject* parent);

  // The field's widget, made on first use: a line edit, text box, combo box,
  // list, tick box (with its label), push button or label.
  QWidget* make(const std::string& name);
  QWidget* make(const Field& field) { return make(field.name); }
  // The widgets of fields the dialog holds by type, as their kind makes them.
  QListWidget* make_list(const Field& field);
  QLabel* make_label(const Field& field);
  QPushButton* make_button(const Field& field);
  QLineEdit* make_line_edit(const Field& field);
  // A caption for the field: the given text, or (when empty) the field's
  // label, kept in line with it.
  QLabel* caption(const std::string& name, const QString& text = {});
  QLabel* caption(const Field& field, const QString& text = {}) { return caption(field.name, text); }
  // Names a widget that is no field (the dialog's OK button as "ok").
  void add_other(const std::string& name, QWidget* widget) { others_[name] = widget; }

  QWidget* widget(const std::string& name) const;
  // Gives the focus to a field's widget when it can take it.
  void focus(const std::string& name);
  void refresh();

 private:
  struct Shown {
    QWidget* widget = nullptr;
    std::vector<QLabel*> captions;
    std::vector<QLabel*> label_captions;  // those showing the field's label, which typing may change
    std::vector<std::string> options;  // the options a list shows, to refill it only when they change
  };

  QWidget* build(const Field& field);
  void typed(const std::string& name, const std::string& value);
  void pressed(const std::string& name);
  void refresh_field(const Field& field, Shown& shown);

  DialogModel& model_;
  Changed changed_;
  std::map<std::string, Shown> shown_;
  std::map<std::string, QWidget*> others_;
  bool refreshing_ = false;
};

// Sets the keyboard's tab order to the order of `widgets` (null entries skipped).
void chain_tab_order(const std::vector<QWidget*>& widgets);

}  // namespace quillon::shell
