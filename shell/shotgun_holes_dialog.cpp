#include "shell/shotgun_holes_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/dialog_registry.h"

namespace quillon::shell {

namespace {

[[maybe_unused]] const bool registered =
    register_dialog("shotgun_holes", [](DialogModel& model, const DialogContext& context) {
      return std::make_unique<ShotgunHolesDialog>(dynamic_cast<ShotgunHolesModel&>(model), context.show_help,
                                                  context.parent);
    });

QLabel* heading(const QString& text) {
  auto* label = new QLabel(text);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

}  // namespace

ShotgunHolesDialog::ShotgunHolesDialog(ShotgunHolesModel& model, HelpTopicFn show_help, QWidget* parent)
    : FormDialog(model, std::move(show_help), parent) {
  auto* outer = new QVBoxLayout(this);
  outer->setSpacing(6);
  QLabel* explanation = fields().make_label(model.explanation);
  explanation->setWordWrap(true);
  explanation->setMaximumWidth(420);
  outer->addWidget(explanation);

  auto* table = new QGridLayout;
  table->setVerticalSpacing(1);
  table->setHorizontalSpacing(14);
  table->addWidget(heading("Hole"), 0, 0, Qt::AlignRight);
  table->addWidget(heading("Par"), 0, 1, Qt::AlignRight);
  table->addWidget(heading("Shotgun 1"), 0, 2);
  table->addWidget(heading("Shotgun 2"), 0, 3);
  std::vector<QWidget*> tab_order;
  for (int first_or_second : {1, 2})
    for (int h = 1; h <= model.holes(); ++h) {
      QWidget* list = fields().make(ShotgunHolesModel::shotgun_field(first_or_second, h));
      table->addWidget(list, h, first_or_second + 1);
      // Down the first shotgun's column, then down the second's.
      tab_order.push_back(list);
    }
  for (int h = 1; h <= model.holes(); ++h) {
    table->addWidget(new QLabel(QString::number(h)), h, 0, Qt::AlignRight | Qt::AlignVCenter);
    table->addWidget(new QLabel(QString::number(model.par(h))), h, 1, Qt::AlignRight | Qt::AlignVCenter);
  }
  table->setColumnStretch(4, 1);
  outer->addLayout(table);
  outer->addStretch();
  finish(outer, std::move(tab_order));
}

}  // namespace quillon::shell
