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

}  // namespace

GolferDetailDialog::GolferDetailDialog(GolferDetailModel& model, HelpTopicFn show_help, QWidget* parent)
    : FormDialog(model, std::move(show_help), parent), form_(model.form()) {
  std::vector<QWidget*> tab_order;
  auto* outer = new QVBoxLayout(this);

  QHBoxLayout* top = group_list_row(fields(), form_.group_number, tab_order);
  top->addSpacing(16);
  top->addWidget(new QLabel("Tee Time"));
  top->addWidget(fields().make(form_.tee_time));
  top->addStretch();
  for (const Field* button : {&form_.prev, &form_.next}) top->addWidget(fields().make(*button));
  outer->addLayout(top);

  auto* grid = new QGridLayout;
  grid->setSpacing(8);
  for (int k = 1; k <= max_group_size; ++k)
    grid->addWidget(golfer_panel(k, tab_order), (k - 1) / panel_columns, (k - 1) % panel_columns);
  outer->addLayout(grid);

  auto* headings = new QGridLayout;
  headings->setVerticalSpacing(2);
  int row = 0;
  for (const Field* heading : {&form_.user_stat1_name, &form_.user_stat2_name}) {
    QWidget* edit = fields().make(*heading);
    fit_to_chars(edit, 16);
    headings->addWidget(fields().caption(*heading), row, 0);
    headings->addWidget(edit, row++, 1);
    tab_order.push_back(edit);
  }
  QLabel* note = fields().make_label(form_.user_stat_note);
  note->setWordWrap(true);
  headings->addWidget(note, 0, 2, 2, 1);
  headings->setColumnStretch(2, 1);
  outer->addLayout(headings);
  outer->addStretch();
  for (const Field* button : {&form_.prev, &form_.next}) tab_order.push_back(fields().make(*button));
  finish(outer, std::move(tab_order));
}

QGroupBox* GolferDetailDialog::golfer_panel(int k, std::vector<QWidget*>& tab_order) {
  auto* panel = new QGroupBox;
  auto* grid = new QGridLayout(panel);
  grid->setVerticalSpacing(3);
  const GolferDetailForm::Golfer& golfer = form_.golfers[k - 1];
  int row = 0;
  for (const Field* line : {&golfer.name, &golfer.info1, &golfer.info2, &golfer.info3}) {
    QWidget* edit = fields().make(*line);
    fit_to_chars(edit, 26);
    grid->addWidget(edit, row++, 0);
    tab_order.push_back(edit);
  }
  row = 0;
  for (const auto& [field, chars] : {std::pair{&golfer.index, 5}, std::pair{&golfer.division, 3}}) {
    QWidget* edit = fields().make(*field);
    fit_to_chars(edit, chars);
    grid->addWidget(fields().caption(*field), row, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(edit, row++, 2, Qt::AlignLeft);
    tab_order.push_back(edit);
  }
  auto* boxes = new QHBoxLayout;
  for (const Field* column : {&golfer.skins, &golfer.u1, &golfer.u2}) {
    QWidget* box = fields().make(*column);
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
    const Field& label = form_.golfers[k - 1].label;
    panels_[k - 1]->setTitle(qt_text(label.text));
    panels_[k - 1]->setVisible(label.visible);
  }
}

}  // namespace quillon::shell
