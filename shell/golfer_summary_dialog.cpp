#include "shell/golfer_summary_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <vector>

#include "core/text.h"
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

struct Column {
  const char* name;
  const char* heading;  // nullptr: the model's heading label
  int chars;  // width of a text column; 0 for a tick box
};

constexpr Column columns[] = {
    {"name", "Name", 26}, {"index", nullptr, 5},   {"division", "Div", 2}, {"gender", "Gender", 2},
    {"cart", "Cart", 0},  {"member", "Member", 0}, {"skins", "Skins", 0},
};

}  // namespace

GolferSummaryDialog::GolferSummaryDialog(GolferSummaryModel& model, HelpTopicFn show_help, QWidget* parent)
    : FormDialog(model, std::move(show_help), parent) {
  std::vector<QWidget*> tab_order;
  auto* outer = new QVBoxLayout(this);
  QHBoxLayout* top = group_list_row(fields(), tab_order);
  top->addStretch();
  outer->addLayout(top);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(2);
  for (int c = 0; const Column& column : columns) {
    ++c;
    QLabel* h = column.heading ? heading(column.heading) : fields().make_label(model.form().index_heading);
    h->setAlignment(column.chars > 5 ? Qt::AlignLeft | Qt::AlignBottom : Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(h, 0, c);
  }
  int row = 1;
  for (int b = 1; b <= summary_groups_shown; ++b) {
    QWidget* label = fields().make(format_text(16, "group_label.%d", b));
    grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    for (int r = 1; r <= rows_per_group; ++r, ++row) {
      for (int c = 0; const Column& column : columns) {
        ++c;
        QWidget* widget = fields().make(GolferSummaryModel::row_field(column.name, b, r));
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
