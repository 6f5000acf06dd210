#include "shell/tournament_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/dialog_registry.h"
#include "shell/form_layout.h"

namespace quillon::shell {

namespace {

[[maybe_unused]] const bool registered =
    register_dialog("tournament_detail", [](DialogModel& model, const DialogContext& context) {
      return std::make_unique<TournamentDialog>(dynamic_cast<TournamentDialogModel&>(model), context.show_help,
                                                context.parent);
    });

// A small calendar page for the button that opens the date picker.
QIcon calendar_icon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setPen(QColor(60, 60, 60));
  p.setBrush(Qt::white);
  p.drawRect(1, 2, 13, 12);
  p.fillRect(2, 3, 12, 3, QColor(190, 40, 40));
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 4; ++column) p.fillRect(3 + column * 3, 7 + row * 2, 2, 1, QColor(60, 60, 60));
  return QIcon(pixmap);
}

}  // namespace

TournamentDialog::TournamentDialog(TournamentDialogModel& model, HelpTopicFn show_help, QWidget* parent)
    : FormDialog(model, std::move(show_help), parent), form_(model.form()) {
  auto* outer = new QVBoxLayout(this);
  outer->setSpacing(6);
  auto* columns = new QHBoxLayout;
  columns->setSpacing(24);
  QLayout* identity = identity_column();
  QLayout* format = format_column();
  identity->setAlignment(Qt::AlignTop);
  format->setAlignment(Qt::AlignTop);
  columns->addLayout(identity);
  columns->addLayout(format, 1);
  outer->addLayout(columns);
  auto* line = new QFrame;
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  outer->addWidget(line);
  outer->addLayout(times_and_groups());
  outer->addStretch();
  outer->addLayout(button_row());
  chain_tab_order(tab_order_);
  start();
}

QWidget* TournamentDialog::add_row(QGridLayout* grid, int row, const Field& field, int column) {
  QWidget* widget = fields().make(field);
  grid->addWidget(fields().caption(field.name), row, column, Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(widget, row, column + 1, Qt::AlignLeft);
  tab_order_.push_back(widget);
  return widget;
}

QLayout* TournamentDialog::identity_column() {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  int row = 0;

  auto* date = new QHBoxLayout;
  QWidget* date_edit = fields().make(form_.date);
  fit_to_chars(date_edit, 10);
  QPushButton* calendar = fields().make_button(form_.choose_date);
  calendar->setIcon(calendar_icon());
  date->addWidget(date_edit);
  date->addWidget(calendar);
  date->addStretch();
  grid->addWidget(fields().caption(form_.date.name), row, 0, Qt::AlignRight | Qt::AlignVCenter);
  grid->addLayout(date, row++, 1);
  tab_order_.push_back(date_edit);
  tab_order_.push_back(calendar);

  fit_to_chars(add_row(grid, row++, form_.name), 36);
  for (const Field* f : {&form_.address_line1, &form_.address_line2, &form_.address_line3, &form_.contact})
    fit_to_chars(add_row(grid, row++, *f), 26);
  fit_to_chars(add_row(grid, row++, form_.telephone), 13);
  add_row(grid, row++, form_.course);
  add_row(grid, row++, form_.default_gender);
  for (const Field* f : {&form_.user_stat1_name, &form_.user_stat2_name}) fit_to_chars(add_row(grid, row++, *f), 16);
  return grid;
}

QLayout* TournamentDialog::format_column() {
  auto* column = new QVBoxLayout;
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  int row = 0;
  for (const Field* f :
       {&form_.format, &form_.tie_break, &form_.auto_assign, &form_.division_count, &form_.callaway_division})
    add_row(grid, row++, *f);
  grid->setColumnStretch(2, 1);
  column->addLayout(grid);
  column->addLayout(divisions_table());
  column->addLayout(format_extras());
  return column;
}

QLayout* TournamentDialog::divisions_table() {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(2);
  grid->addWidget(fields().caption(form_.divisions.front().allowance.name), 0, 2, Qt::AlignLeft);
  grid->addWidget(fields().caption(form_.divisions.front().handicap_limit.name), 0, 3, Qt::AlignLeft);
  for (int d = 1; const TournamentForm::DivisionRow& division : form_.divisions) {
    grid->addWidget(fields().caption(division.tee.name), d, 0, Qt::AlignRight | Qt::AlignVCenter);
    for (int column = 1; const Field* f : {&division.tee, &division.allowance, &division.handicap_limit}) {
      QWidget* list = fields().make(*f);
      grid->addWidget(list, d, column++);
      tab_order_.push_back(list);
    }
    ++d;
  }
  grid->setColumnStretch(1, 1);
  return grid;
}

QLayout* TournamentDialog::format_extras() {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  grid->addWidget(fields().make(form_.peoria_label), 0, 0, Qt::AlignRight | Qt::AlignVCenter);
  for (int set = 0; set < 2; ++set) {
    auto* holes = new QHBoxLayout;
    for (const Field* hole : set == 0 ? form_.peoria_holes : form_.peoria_holes2) {
      QWidget* edit = fields().make(*hole);
      fit_to_chars(edit, 3);
      holes->addWidget(edit);
      tab_order_.push_back(edit);
    }
    holes->addStretch();
    grid->addLayout(holes, set, 1);
  }
  QWidget* use_entered = fields().make(form_.use_entered_handicap);
  grid->addWidget(use_entered, 2, 1);
  tab_order_.push_back(use_entered);

  auto* best_holes = new QHBoxLayout;
  for (const Field* f : {&form_.best_holes_count, &form_.max_hole_score}) {
    QWidget* list = fields().make(*f);
    best_holes->addWidget(list);
    tab_order_.push_back(list);
  }
  best_holes->addStretch();
  grid->addWidget(fields().caption(form_.best_holes_count.name), 3, 0, Qt::AlignRight | Qt::AlignVCenter);
  grid->addLayout(best_holes, 3, 1);
  add_row(grid, 4, form_.best_balls);
  grid->setColumnStretch(1, 1);
  return grid;
}

QLayout* TournamentDialog::times_and_groups() {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  grid->setHorizontalSpacing(6);
  add_row(grid, 0, form_.start_type);
  add_row(grid, 0, form_.tee_interval, 2);
  add_row(grid, 1, form_.first_tee_time);
  add_row(grid, 1, form_.last_tee_time, 2);
  add_row(grid, 2, form_.blocked_from);
  add_row(grid, 2, form_.blocked_to, 2);
  add_row(grid, 3, form_.results_limit);
  fit_to_chars(add_row(grid, 0, form_.group_count, 4), 4);
  fit_to_chars(add_row(grid, 1, form_.group_size, 4), 2);
  fit_to_chars(add_row(grid, 2, form_.groups_per_tee_time, 4), 2);
  fit_to_chars(add_row(grid, 3, form_.first_shotgun_groups, 4), 4);
  grid->setColumnMinimumWidth(4, 200);
  grid->setColumnStretch(6, 1);
  QWidget* check = fields().make(form_.include_rating_and_par);
  grid->addWidget(check, 4, 0, 1, 7);
  tab_order_.push_back(check);
  return grid;
}

QLayout* TournamentDialog::button_row() {
  auto* row = new QHBoxLayout;
  for (const Field* f :
       {&form_.notepad, &form_.callaway_configuration, &form_.stableford_configuration, &form_.shotgun_holes}) {
    QWidget* button = fields().make(*f);
    row->addWidget(button);
    tab_order_.push_back(button);
  }
  row->addStretch();
  QDialogButtonBox* buttons = make_buttons();
  row->addWidget(buttons);
  for (auto b : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel, QDialogButtonBox::Help})
    tab_order_.push_back(buttons->button(b));
  return row;
}

}  // namespace quillon::shell
