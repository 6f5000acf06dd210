#include "shell/golfer_detail_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/records/golfer_entry.h"
#include "shell/dialog_registry.h"
#include "shell/form_layout.h"
#include "shell/qt_text.h"

namespace quillon::shell {

namespace {

[[maybe_unused]] const bool registered =
    register_dialog("golfer_detail", [](DialogModel& model, const DialogContext& context) {
      return std::make_unique<GolferDetailDialog>(dynamic_cast<GolferDetailModel&>(model), context.show_help,
                                                  context.parent);
    });

constexpr int panel_columns = 2;

std::string of_golfer(const char* column, int golfer) { return GolferDetailModel::golfer_field(column, golfer); }

}  // namespace

GolferDetailDialog::GolferDetailDialog(GolferDetailModel& model, HelpTopicFn show_help, QWidget* parent)
    : FormDialog(model, std::move(show_help), parent) {
  std::vector<QWidget*> tab_order;
  auto* outer = new QVBoxLayout(this);

  QHBoxLayout* top = group_list_row(fields(), tab_order);
  top->addSpacing(16);
  top->addWidget(new QLabel("Tee Time"));
  top->addWidget(fields().make("tee_time"));
  top->addStretch();
  for (const char* name : {"prev", "next"}) top->addWidget(fields().make(name));
  outer->addLayout(top);

  auto* grid = new QGridLayout;
  grid->setSpacing(8);
  for (int k = 1; k <= max_group_size; ++k)
    grid->addWidget(golfer_panel(k, tab_order), (k - 1) / panel_columns, (k - 1) % panel_columns);
  outer->addLayout(grid);

  auto* headings = new QGridLayout;
  headings->setVerticalSpacing(2);
  int row = 0;
  for (const char* name : {"user_stat1_name", "user_stat2_name"}) {
    QWidget* edit = fields().make(name);
    fit_to_chars(edit, 16);
    headings->addWidget(fields().caption(name), row, 0);
    headings->addWidget(edit, row++, 1);
    tab_order.push_back(edit);
  }
  QLabel* note = fields().make_label(model.form().user_stat_note);
  note->setWordWrap(true);
  headings->addWidget(note, 0, 2, 2, 1);
  headings->setColumnStretch(2, 1);
  outer->addLayout(headings);
  outer->addStretch();
  for (const char* name : {"prev", "next"}) tab_order.push_back(fields().widget(name));
  finish(outer, std::move(tab_order));
}

QGroupBox* GolferDetailDialog::golfer_panel(int k, std::vector<QWidget*>& tab_order) {
  auto* panel = new QGroupBox;
  auto* grid = new QGridLayout(panel);
  grid->setVerticalSpacing(3);
  int row = 0;
  for (const char* line : {"name", "info1", "info2", "info3"}) {
    QWidget* edit = fields().make(of_golfer(line, k));
    fit_to_chars(edit, 26);
    grid->addWidget(edit, row++, 0);
    tab_order.push_back(edit);
  }
  row = 0;
  for (const char* column : {"index", "division"}) {
    QWidget* edit = fields().make(of_golfer(column, k));
    fit_to_chars(edit, column[0] == 'i' ? 5 : 3);
    grid->addWidget(fields().caption(of_golfer(column, k)), row, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(edit, row++, 2, Qt::AlignLeft);
    tab_order.push_back(edit);
  }
  auto* boxes = new QHBoxLayout;
  for (const char* column : {"skins", "u1", "u2"}) {
    QWidget* box = fields().make(of_golfer(column, k));
    boxes->addWidget(box);
    tab_order.push_back(box);
  }
  grid->addLayout(boxes, row, 1, 1, 2);
  grid->setColumnMinimumWidth(1, 12);
  panels_.push_back(panel);
  return panel;
}

// A panel shows while its golfer's fields do (golfers up to the group size).
void GolferDetailDialog::refresh_extras() {
  for (int k = 1; k <= max_group_size; ++k) {
    const Field* label = model().find(of_golfer("golfer_label", k));
    panels_[k - 1]->setTitle(qt_text(label->text));
    panels_[k - 1]->setVisible(label->visible);
  }
}

}  // namespace quillon::shell
