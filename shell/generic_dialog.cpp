#include "shell/generic_dialog.h"

#include <algorithm>

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

namespace {

// Fields side by side: one `group`, in their order.
struct Row {
  std::vector<const Field*> fields;
  std::string number;  // the number all its captions end with ("Par(M) 7"), shown once in front
  int cells() const { return static_cast<int>(fields.size()) + (number.empty() ? 0 : 1); }
};

constexpr int max_row_cells = 12;
constexpr int wrapped_row_cells = 8;

std::string trailing_number(const std::string& caption) {
  auto space = caption.rfind(' ');
  if (space == std::string::npos || space + 1 == caption.size()) return {};
  std::string tail = caption.substr(space + 1);
  return tail.find_first_not_of("0123456789") == std::string::npos ? tail : std::string();
}

std::string shared_number(const std::vector<const Field*>& fields) {
  std::string number;
  for (const Field* f : fields) {
    if (!has_separate_caption(f->kind) || f->label.empty()) return {};
    std::string n = trailing_number(f->label);
    if (n.empty() || (!number.empty() && n != number)) return {};
    number = n;
  }
  return number;
}

}  // namespace

void GenericDialog::build() {
  auto* outer = new QVBoxLayout(this);
  QFormLayout* form = nullptr;  // the current run of fields without a group
  QGridLayout* table = nullptr; // consecutive rows of as many cells share one grid
  int table_cells = -1;
  int grid_row = 0;

  const auto& fields = model().fields();
  for (std::size_t i = 0; i < fields.size();) {
    const Field& f = fields[i];
    if (f.group.empty()) {
      table = nullptr;
      if (!form) {
        form = new QFormLayout;
        outer->addLayout(form);
      }
      QWidget* widget = make_widget(f);
      QLabel* caption = has_separate_caption(f.kind) && !f.label.empty() ? new QLabel(qt_text(f.label)) : nullptr;
      if (caption) {
        caption->setBuddy(widget);
        form->addRow(caption, widget);
      } else {
        form->addRow(widget);
      }
      shown_[f.name] = Shown{widget, caption};
      ++i;
      continue;
    }
    form = nullptr;
    Row row;
    for (; i < fields.size() && fields[i].group == f.group; ++i) row.fields.push_back(&fields[i]);
    row.number = shared_number(row.fields);
    if (!table || table_cells != row.cells()) {
      table = new QGridLayout;
      table->setHorizontalSpacing(6);
      table->setVerticalSpacing(2);
      outer->addLayout(table);
      table_cells = row.cells();
      grid_row = 0;
    }
    const bool captioned = row.number.empty() && std::any_of(row.fields.begin(), row.fields.end(), [](const Field* x) {
      return has_separate_caption(x->kind) && !x->label.empty();
    });
    int column = 0;
    if (!row.number.empty()) table->addWidget(new QLabel(QString::fromStdString(row.number)), grid_row, column++);
    const bool wrapped = row.cells() > max_row_cells;
    for (const Field* field : row.fields) {
      if (wrapped && column == wrapped_row_cells) {  // a long row continues on the next line
        column = 0;
        grid_row += captioned ? 2 : 1;
      }
      QWidget* widget = make_widget(*field);
      QLabel* caption = nullptr;
      if (!row.number.empty()) {
        widget->setToolTip(qt_text(field->label));
      } else if (has_separate_caption(field->kind) && !field->label.empty()) {
        caption = new QLabel(qt_text(field->label));
        caption->setBuddy(widget);
        table->addWidget(caption, grid_row, column, Qt::AlignLeft | Qt::AlignBottom);
      }
      table->addWidget(widget, grid_row + (captioned ? 1 : 0), column, Qt::AlignLeft);
      shown_[field->name] = Shown{widget, caption};
      ++column;
    }
    grid_row += captioned ? 2 : 1;
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
