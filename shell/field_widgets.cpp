#include "shell/field_widgets.h"

#include <algorithm>
#include <cassert>

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "shell/field_hints.h"
#include "shell/qt_text.h"

namespace quillon::shell {

namespace {

QStringList qt_options(const std::vector<std::string>& options) {
  QStringList out;
  for (const auto& o : options) out << qt_text(o);
  return out;
}

std::string selection_text(const QListWidget* list) {
  std::string out;
  for (int i = 0; i < list->count(); ++i) {
    if (!list->item(i)->isSelected()) continue;
    if (!out.empty()) out += ",";
    out += "#" + std::to_string(i + 1);
  }
  return out;
}

}  // namespace

FieldWidgets::FieldWidgets(DialogModel& model, Changed changed, QObject* parent)
    : QObject(parent), model_(model), changed_(std::move(changed)) {}

QWidget* FieldWidgets::make(const std::string& name) {
  if (auto it = shown_.find(name); it != shown_.end()) return it->second.widget;
  const Field* field = model_.find(name);
  if (!field) return nullptr;
  QWidget* widget = build(*field);
  widget->setObjectName(QString::fromStdString(name));
  if (std::string hint = field_hint(model_.id(), name); !hint.empty()) widget->setToolTip(QString::fromStdString(hint));
  shown_[name].widget = widget;
  refresh_field(*field, shown_[name]);
  return widget;
}

QListWidget* FieldWidgets::make_list(const Field& field) {
  auto* list = qobject_cast<QListWidget*>(make(field.name));
  // Only a list field has a list widget; anything else is a fault of the dialog.
  assert(list != nullptr);
  return list;
}

QLabel* FieldWidgets::make_label(const Field& field) {
  auto* label = qobject_cast<QLabel*>(make(field.name));
  // Only a label field has a label widget.
  assert(label != nullptr);
  return label;
}

QPushButton* FieldWidgets::make_button(const Field& field) {
  auto* button = qobject_cast<QPushButton*>(make(field.name));
  assert(button != nullptr);
  return button;
}

QLineEdit* FieldWidgets::make_line_edit(const Field& field) {
  auto* edit = qobject_cast<QLineEdit*>(make(field.name));
  // Only a one-line text field has a line edit.
  assert(edit != nullptr);
  return edit;
}

QLabel* FieldWidgets::caption(const std::string& name, const QString& text) {
  QWidget* widget = make(name);
  const Field* field = model_.find(name);
  if (!widget || !field) return nullptr;
  auto* label = new QLabel(text.isEmpty() ? qt_text(field->label) : text);
  label->setBuddy(widget);
  label->setToolTip(widget->toolTip());  // pointing at the caption explains the field too
  shown_[name].captions.push_back(label);
  if (text.isEmpty()) shown_[name].label_captions.push_back(label);
  refresh_field(*field, shown_[name]);
  return label;
}

QWidget* FieldWidgets::build(const Field& f) {
  const std::string name = f.name;
  switch (f.kind) {
    case FieldKind::text: {
      auto* edit = new QLineEdit;
      if (f.max_length > 0) edit->setMaxLength(f.max_length);
      if (!f.accepts.empty()) {
        QString pattern = "[" + QRegularExpression::escape(QString::fromLatin1(f.accepts.c_str())) + "]*";
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
      }
      connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& t) { typed(name, record_text(t)); });
      return edit;
    }
    case FieldKind::multiline: {
      auto* edit = new QPlainTextEdit;
      edit->setTabChangesFocus(true);
      connect(edit, &QPlainTextEdit::textChanged, this, [this, name, edit] {
        if (!refreshing_) typed(name, record_text(edit->toPlainText()));
      });
      return edit;
    }
    case FieldKind::list: {
      auto* combo = new QComboBox;
      combo->setMaxVisibleItems(20);
      if (f.fixed_pitch) combo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
      connect(combo, &QComboBox::activated, this, [this, name](int i) { typed(name, "#" + std::to_string(i + 1)); });
      return combo;
    }
    case FieldKind::multi_list: {
      auto* list = new QListWidget;
      list->setSelectionMode(QAbstractItemView::MultiSelection);
      connect(list, &QListWidget::itemSelectionChanged, this, [this, name, list] {
        if (!refreshing_) typed(name, selection_text(list));
      });
      return list;
    }
    case FieldKind::check: {
      auto* box = new QCheckBox(qt_text(f.label));
      connect(box, &QCheckBox::clicked, this, [this, name](bool on) { typed(name, on ? "1" : "0"); });
      return box;
    }
    case FieldKind::button: {
      auto* button = new QPushButton(qt_text(f.label));
      button->setAutoDefault(false);
      connect(button, &QPushButton::clicked, this, [this, name] { pressed(name); });
      return button;
    }
    case FieldKind::label: return new QLabel;
  }
  return new QWidget;
}

QWidget* FieldWidgets::widget(const std::string& name) const {
  if (auto it = others_.find(name); it != others_.end()) return it->second;
  auto it = shown_.find(name);
  return it == shown_.end() ? nullptr : it->second.widget;
}

void FieldWidgets::focus(const std::string& name) {
  if (QWidget* w = widget(name); w && w->isEnabled() && w->isVisibleTo(w->window())) w->setFocus(Qt::OtherFocusReason);
}

void FieldWidgets::typed(const std::string& name, const std::string& value) {
  // A value the model refuses (a choice it no longer offers) is not kept: the
  // widgets show again what the model holds.
  if (!model_.set(name, value)) {
    refresh();
    return;
  }
  if (changed_) changed_(name);  // typing puts the focus on the field typed into
}

void FieldWidgets::pressed(const std::string& name) {
  std::string before = model_.focus();
  if (!model_.press(name)) return;  // a button the model has disabled does nothing
  if (changed_) changed_(before);
}

void FieldWidgets::refresh() {
  refreshing_ = true;
  for (auto& [name, shown] : shown_)
    if (const Field* f = model_.find(name)) refresh_field(*f, shown);
  refreshing_ = false;
}

void FieldWidgets::refresh_field(const Field& f, Shown& shown) {
  QWidget* w = shown.widget;
  QSignalBlocker block(w);
  switch (f.kind) {
    case FieldKind::text: {
      auto* edit = static_cast<QLineEdit*>(w);
      if (edit->text() != qt_text(f.text)) edit->setText(qt_text(f.text));
      break;
    }
    case FieldKind::multiline: {
      auto* edit = static_cast<QPlainTextEdit*>(w);
      if (edit->toPlainText() != qt_text(f.text)) {
        edit->setPlainText(qt_text(f.text));
        edit->moveCursor(QTextCursor::End);
      }
      break;
    }
    case FieldKind::list: {
      auto* combo = static_cast<QComboBox*>(w);
      if (shown.options != f.options || combo->count() != static_cast<int>(f.options.size())) {
        combo->clear();
        combo->addItems(qt_options(f.options));
        shown.options = f.options;
      }
      combo->setCurrentIndex(f.index);
      break;
    }
    case FieldKind::multi_list: {
      auto* list = static_cast<QListWidget*>(w);
      if (shown.options != f.options || list->count() != static_cast<int>(f.options.size())) {
        list->clear();
        list->addItems(qt_options(f.options));
        shown.options = f.options;
      }
      for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSelected(std::find(f.selected.begin(), f.selected.end(), i) != f.selected.end());
      break;
    }
    case FieldKind::check: static_cast<QCheckBox*>(w)->setChecked(f.checked); break;
    case FieldKind::button: static_cast<QPushButton*>(w)->setText(qt_text(f.label)); break;
    case FieldKind::label: static_cast<QLabel*>(w)->setText(qt_text(f.text)); break;
  }
  w->setEnabled(f.enabled);
  // Hidden, not shown: a widget not yet placed in a window must not pop up as one.
  if (!f.visible) w->setVisible(false);
  else if (w->parentWidget()) w->setVisible(true);
  for (QLabel* caption : shown.label_captions) caption->setText(qt_text(f.label));
  for (QLabel* caption : shown.captions) {
    if (!f.visible) caption->setVisible(false);
    else if (caption->parentWidget()) caption->setVisible(true);
    caption->setEnabled(f.enabled);
  }
}

void chain_tab_order(const std::vector<QWidget*>& widgets) {
  QWidget* previous = nullptr;
  for (QWidget* w : widgets) {
    if (!w) continue;
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

}  // namespace quillon::shell
