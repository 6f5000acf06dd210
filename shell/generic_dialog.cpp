#include "shell/generic_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/qt_text.h"

namespace quillon::shell {

namespace {

bool has_separate_caption(FieldKind kind) {
  return kind != FieldKind::check && kind != FieldKind::button && kind != FieldKind::label;
}

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

GenericDialog::GenericDialog(DialogModel& model, HelpTopicFn show_help, QWidget* parent)
    : ModelDialog(model, std::move(show_help), parent) {
  build();
  refresh();
  if (!model.focus().empty()) move_focus_to(model.focus());
}

void GenericDialog::build() {
  auto* outer = new QVBoxLayout(this);
  QFormLayout* form = nullptr;       // the current run of fields without a group
  QGridLayout* row = nullptr;        // the current group: captions above widgets
  std::string row_group;
  int column = 0;

  for (const Field& f : model().fields()) {
    QWidget* widget = make_widget(f);
    QLabel* caption = has_separate_caption(f.kind) && !f.label.empty() ? new QLabel(qt_text(f.label)) : nullptr;
    if (caption) caption->setBuddy(widget);
    if (f.group.empty()) {
      row = nullptr;
      row_group.clear();
      if (!form) {
        form = new QFormLayout;
        outer->addLayout(form);
      }
      if (caption) form->addRow(caption, widget);
      else form->addRow(widget);
    } else {
      form = nullptr;
      if (!row || row_group != f.group) {
        row = new QGridLayout;
        row->setHorizontalSpacing(4);
        outer->addLayout(row);
        row_group = f.group;
        column = 0;
      }
      if (caption) row->addWidget(caption, 0, column, Qt::AlignHCenter | Qt::AlignBottom);
      row->addWidget(widget, 1, column);
      ++column;
    }
    shown_[f.name] = Shown{widget, caption};
  }

  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  if (model().help_topic() > 0) buttons_->addButton(QDialogButtonBox::Help);
  connect(buttons_, &QDialogButtonBox::accepted, this, &GenericDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &GenericDialog::reject);
  connect(buttons_, &QDialogButtonBox::helpRequested, this, &GenericDialog::show_help);
  outer->addWidget(buttons_);
}

QWidget* GenericDialog::make_widget(const Field& f) {
  const std::string name = f.name;
  switch (f.kind) {
    case FieldKind::text: {
      auto* edit = new QLineEdit;
      if (f.max_length > 0) {
        edit->setMaxLength(f.max_length);
        int chars = std::min(f.max_length, 40) + 1;
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(chars, '0')) + 12);
        if (!f.group.empty()) edit->setMaximumWidth(edit->minimumWidth() + 8);
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
      connect(combo, &QComboBox::activated, this,
              [this, name](int i) { typed(name, "#" + std::to_string(i + 1)); });
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
    case FieldKind::label: {
      auto* label = new QLabel;
      label->setWordWrap(true);
      return label;
    }
  }
  return new QWidget;
}

QWidget* GenericDialog::widget_for(const std::string& name) const {
  if (name == "ok") return buttons_->button(QDialogButtonBox::Ok);
  if (name == "cancel") return buttons_->button(QDialogButtonBox::Cancel);
  auto it = shown_.find(name);
  return it == shown_.end() ? nullptr : it->second.widget;
}

void GenericDialog::typed(const std::string& name, const std::string& value) {
  model().set(name, value);
  refresh();
  // Typing leaves the focus on the field typed into unless a typing rule moved it.
  if (model().focus() != name) move_focus_to(model().focus());
}

void GenericDialog::pressed(const std::string& name) {
  std::string before = model().focus();
  model().press(name);
  refresh();
  if (model().focus() != before) move_focus_to(model().focus());
}

void GenericDialog::move_focus_to(const std::string& name) {
  if (QWidget* w = widget_for(name); w && w->isEnabled()) w->setFocus(Qt::OtherFocusReason);
}

void GenericDialog::refresh() {
  refreshing_ = true;
  for (const Field& f : model().fields()) {
    auto it = shown_.find(f.name);
    if (it != shown_.end()) refresh_field(f, it->second);
  }
  refreshing_ = false;
}

void GenericDialog::refresh_field(const Field& f, const Shown& shown) {
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
      QStringList options = qt_options(f.options);
      QStringList current;
      for (int i = 0; i < combo->count(); ++i) current << combo->itemText(i);
      if (current != options) {
        combo->clear();
        combo->addItems(options);
      }
      combo->setCurrentIndex(f.index);
      break;
    }
    case FieldKind::multi_list: {
      auto* list = static_cast<QListWidget*>(w);
      QStringList options = qt_options(f.options);
      QStringList current;
      for (int i = 0; i < list->count(); ++i) current << list->item(i)->text();
      if (current != options) {
        list->clear();
        list->addItems(options);
      }
      for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSelected(std::find(f.selected.begin(), f.selected.end(), i) != f.selected.end());
      break;
    }
    case FieldKind::check:
      static_cast<QCheckBox*>(w)->setChecked(f.checked);
      break;
    case FieldKind::button:
      static_cast<QPushButton*>(w)->setText(qt_text(f.label));
      break;
    case FieldKind::label:
      static_cast<QLabel*>(w)->setText(qt_text(f.text));
      break;
  }
  w->setEnabled(f.enabled);
  w->setVisible(f.visible);
  if (shown.caption) {
    shown.caption->setVisible(f.visible);
    shown.caption->setEnabled(f.enabled);
  }
}

}  // namespace quillon::shell
