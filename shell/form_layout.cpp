#include "shell/form_layout.h"

#include "shell/field_widgets.h"

#include <QComboBox>
#include <QLineEdit>

namespace quillon::shell {

namespace {

constexpr int edit_frame = 14;  // a line edit's frame and text margins
constexpr int combo_frame = 34;  // a combo box's frame and arrow

}  // namespace

void fit_to_chars(QWidget* widget, int chars) {
  const int text = widget->fontMetrics().horizontalAdvance(QString(chars, '0'));
  widget->setFixedWidth(text + (qobject_cast<QComboBox*>(widget) ? combo_frame : edit_frame));
  if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && chars <= 5) edit->setAlignment(Qt::AlignCenter);
}

QLabel* heading(const QString& text, Qt::Alignment alignment) {
  auto* label = new QLabel(text);
  label->setAlignment(alignment);
  return label;
}

QHBoxLayout* group_list_row(FieldWidgets& fields, const Field& groups, std::vector<QWidget*>& tab_order) {
  auto* row = new QHBoxLayout;
  row->addWidget(fields.caption(groups));
  QWidget* list = fields.make(groups);
  fit_to_chars(list, 4);
  row->addWidget(list);
  tab_order.push_back(list);
  return row;
}

}  // namespace quillon::shell
