#include "shell/generic_dialog.h"

#include <algorithm>

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/field_hints.h"
#include "shell/qt_text.h"

namespace quillon::shell {

namespace {

bool has_separate_caption(FieldKind kind) {
  return kind != FieldKind::check && kind != FieldKind::button && kind != FieldKind::label;
}

}  // namespace

GenericDialog::GenericDialog(DialogModel& model, HelpTopicFn show_help, QWidget* parent)
    : ModelDialog(model, std::move(show_help), parent),
      fields_(
          model,
          [this](const std::string& focus_before) {
            refresh();
            if (this->model().focus() != focus_before) fields_.focus(this->model().focus());
          },
          this) {
  build();
  refresh();
  if (!model.focus().empty()) fields_.focus(model.focus());
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
  QGridLayout* table = nullptr;  // consecutive rows of as many cells share one grid
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
      if (has_separate_caption(f.kind) && !f.label.empty()) {
        form->addRow(fields_.caption(f.name), widget);
      } else {
        form->addRow(widget);
      }
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
      if (!row.number.empty()) {
        widget->setToolTip(qt_text(field->label));
      } else if (has_separate_caption(field->kind) && !field->label.empty()) {
        table->addWidget(fields_.caption(field->name), grid_row, column, Qt::AlignLeft | Qt::AlignBottom);
      }
      table->addWidget(widget, grid_row + (captioned ? 1 : 0), column, Qt::AlignLeft);
      ++column;
    }
    grid_row += captioned ? 2 : 1;
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  if (model().offers_help_button() || dialog_help(model()) != Help::contents)
    buttons->addButton(QDialogButtonBox::Help);
  connect(buttons, &QDialogButtonBox::accepted, this, &GenericDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &GenericDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, &GenericDialog::show_help);
  fields_.add_other("ok", buttons->button(QDialogButtonBox::Ok));
  fields_.add_other("cancel", buttons->button(QDialogButtonBox::Cancel));
  outer->addWidget(buttons);
}

// The field's widget with the width its length asks for.
QWidget* GenericDialog::make_widget(const Field& f) {
  QWidget* widget = fields_.make(f.name);
  if (f.kind == FieldKind::text && f.max_length > 0) {
    int chars = std::min(f.max_length, 40) + 1;
    widget->setMinimumWidth(widget->fontMetrics().horizontalAdvance(QString(chars, '0')) + 12);
    if (!f.group.empty()) widget->setMaximumWidth(widget->minimumWidth() + 8);
  }
  if (f.kind == FieldKind::label) static_cast<QLabel*>(widget)->setWordWrap(true);
  return widget;
}

}  // namespace quillon::shell
