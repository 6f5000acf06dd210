#include "shell/golfer_summary_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <vector>

#include "shell/dialog_registry.h"
#include "shell/form_layout.h"

namespace quillon::shell {

namespace {

[[maybe_unused]] const bool registered =
    register_dialog("golfer_summary", [](DialogModel& model, const DialogContext& context) {
      return std::make_unique<GolferSummaryDialog>(dynamic_cast<GolferSummaryModel&>(model), context.show_help,
                                                   context.parent);
    });

constexpr int rows_per_group = 5;

using Row = GolferSummaryForm::Row;

struct Column {
  Field& (*of)(const Row&);  // the column's field in a row
  const char* heading;  // nullptr: the model's heading label
  int chars;  // width of a text column; 0 for a tick box
};

constexpr Column columns[] = {
    {[](const Row& r) -> Field& { return r.name; }, "Name", 26},
    {[](const Row& r) -> Field& { return r.index; }, nullptr, 5},
    {[](const Row& r) -> Field& { return r.division; }, "Div", 2},
    {[](const Row& r) -> Field& { return r.gender; }, "Gender", 2},
    {[](const Row& r) -> Field& { return r.cart; }, "Cart", 0},
    {[](const Row& r) -> Field& { return r.member; }, "Member", 0},
    {[](const Row& r) -> Field& { return r.skins; }, "Skins", 0},
};

}  // namespace

GolferSummaryDialog::GolferSummaryDialog(GolferSummaryModel& model, HelpTopicFn show_help, QWidget* parent)
    : FormDialog(model, std::move(show_help), parent) {
  std::vector<QWidget*> tab_order;
  auto* outer = new QVBoxLayout(this);
  const GolferSummaryForm& form = model.form();
  QHBoxLayout* top = group_list_row(fields(), form.group_number, tab_order);
  top->addStretch();
  outer->addLayout(top);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(2);
  for (int c = 0; const Column& column : columns) {
    ++c;
    QLabel* h = column.heading ? heading(column.heading) : fields().make_label(form.index_heading);
    h->setAlignment(column.chars > 5 ? Qt::AlignLeft | Qt::AlignBottom : Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(h, 0, c);
  }
  int row = 1;
  for (int b = 1; b <= summary_groups_shown; ++b) {
    const GolferSummaryForm::Group& group = form.groups[b - 1];
    QWidget* label = fields().make(group.label);
    grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    for (int r = 1; r <= rows_per_group; ++r, ++row) {
      for (int c = 0; const Column& column : columns) {
        ++c;
        QWidget* widget = fields().make(column.of(group.rows[r - 1]));
        if (column.chars > 0) fit_to_chars(widget, column.chars);
        grid->addWidget(widget, row, c, column.chars > 5 ? Qt::AlignLeft : Qt::AlignHCenter);
        tab_order.push_back(widget);
      }
    }
    if (b < summary_groups_shown) {
      auto* line = new QFrame;
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Sunken);
      grid->addWidget(line, row++, 0, 1, 8);
    }
  }
  outer->addLayout(grid);
  outer->addStretch();
  finish(outer, std::move(tab_order));
}

}  // namespace quillon::shell
