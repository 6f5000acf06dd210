#pragma once
// A dialog without a toolkit: its fields, the typing rules applied as a value
// is typed, its buttons and the validation on OK. The desktop program renders a
// model; scripts and tests type into it through the same calls.
#include <deque>
#include <string>
#include <vector>

#include "core/help_topics.h"
#include "core/status.h"

namespace quillon {

enum class FieldKind {
  text,  // one line of text, at most max_length characters
  multiline,  // several lines of text
  list,  // one of `options`, by index
  multi_list,  // any number of `options`
  check,  // a tick box
  button,  // a push button other than OK and Cancel
  label,  // text shown, not edited
};

struct Field {
  std::string name;  // stable name used by scripts ("course_name", "men_par.1", ...)
  std::string label;  // caption shown beside it
  FieldKind kind = FieldKind::text;
  std::string text;  // text and multiline fields, labels
  int max_length = 0;  // 0 = no limit
  std::string accepts;  // the characters a text field takes; empty = any
  std::vector<std::string> options;  // lists
  int index = -1;  // the chosen option of a list (-1 = none)
  std::vector<int> selected;  // the chosen options of a multi_list
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  std::string group;  // a layout hint for front ends (a row or panel name)
  bool fixed_pitch = false;  // shown in a fixed-pitch font (lines laid out in columns by spaces)

  static Field text_field(std::string name, std::string label, int max_length = 0);
  static Field multiline_field(std::string name, std::string label, int max_length = 0);
  static Field list_field(std::string name, std::string label, std::vector<std::string> options);
  static Field multi_list_field(std::string name, std::string label, std::vector<std::string> options);
  static Field check_field(std::string name, std::string label);
  static Field button_field(std::string name, std::string label);
  static Field label_field(std::string name, std::string text);
};

class DialogModel {
 public:
  virtual ~DialogModel() = default;

  // A short stable identifier of the dialog ("system_configuration").
  virtual std::string id() const = 0;
  const std::string& title() const { return title_; }
  Help help_topic() const { return help_topic_; }
  bool has_help() const { return help_topic_ != Help::contents; }
  // Whether the dialog shows a Help button (F1 opens help in every dialog).
  bool offers_help_button() const { return help_button_ || has_help(); }

  // A deque: adding a field leaves references to the others valid.
  std::deque<Field>& fields() { return fields_; }
  const std::deque<Field>& fields() const { return fields_; }
  Field* find(const std::string& name);
  const Field* find(const std::string& name) const;

  // The field that has the focus; typing rules may move it.
  const std::string& focus() const { return focus_; }
  void set_focus(const std::string& name) { focus_ = name; }

  // Typing: text fields take the value as typed (cut at max_length), lists take
  // an option's text (or its position from 1 when given as "#n"), check boxes
  // take 1/0, yes/no, on/off or true/false. The dialog's typing rules then run.
  // Fails with the reason (unknown field, no such option, a disabled field).
  Status set(const std::string& name, const std::string& value);
  // Presses a push button of the dialog (not OK or Cancel).
  Status press(const std::string& name);
  // Drags line `from` onto line `to` in a dialog whose lists allow it (the
  // dialog says how lines are named); others refuse.
  virtual Status move(const std::string& from, const std::string& to);
  // OK: validates in the dialog's order, showing the first failure. Returns
  // whether the dialog may close; when it does, what it edits is stored.
  virtual bool accept() = 0;
  // Cancel: nothing is stored.
  virtual void cancel() {}

  // Convenience for front ends and tests.
  std::string text(const std::string& name) const;
  int index(const std::string& name) const;
  bool checked(const std::string& name) const;

 protected:
  Field& add(Field field);
  Field& field(const std::string& name);  // must exist
  // Called after a field's value changed by typing; the place for typing rules.
  virtual void on_changed(Field&) {}
  // Called when a button is pressed.
  virtual void on_pressed(Field&) {}

  std::string title_;
  Help help_topic_ = Help::contents;
  bool help_button_ = false;  // a Help button for a dialog whose help is the contents page
  std::string focus_;

 private:
  std::deque<Field> fields_;
};

// Text of a Field as a script would show it: text, the chosen option, 1/0.
std::string field_value_text(const Field& field);

}  // namespace quillon
