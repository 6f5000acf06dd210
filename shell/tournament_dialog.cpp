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

constexpr int divisions = 10;
constexpr int peoria_holes = 6;

std::string numbered(const char* base, int n) { return std::string(base) + "." + std::to_string(n); }

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
    : FormDialog(model, std::move(show_help), parent) {
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

QWidget* TournamentDialog::add_row(QGridLayout* grid, int row, const char* name, int column) {
  QWidget* widget = fields().make(name);
  grid->addWidget(fields().caption(name), row, column, Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(widget, row, column + 1, Qt::AlignLeft);
  tab_order_.push_back(widget);
  return widget;
}

QLayout* TournamentDialog::identity_column() {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  int row = 0;

  auto* date = new QHBoxLayout;
  QWidget* date_edit = fields().make("date");
  fit_to_chars(date_edit, 10);
  auto* calendar = static_cast<QPushButton*>(fields().make("choose_date"));
  calendar->setIcon(calendar_icon());
  date->addWidget(date_edit);
  date->addWidget(calendar);
  date->addStretch();
  grid->addWidget(fields().caption("date"), row, 0, Qt::AlignRight | Qt::AlignVCenter);
  grid->addLayout(date, row++, 1);
  tab_order_.push_back(date_edit);
  tab_order_.push_back(calendar);

  fit_to_chars(add_row(grid, row++, "name"), 36);
  for (const char* name : {"address_line1", "address_line2", "address_line3", "contact"})
    fit_to_chars(add_row(grid, row++, name), 26);
  fit_to_chars(add_row(grid, row++, "telephone"), 13);
  add_row(grid, row++, "course");
  add_row(grid, row++, "default_gender");
  for (const char* name : {"user_stat1_name", "user_stat2_name"}) fit_to_chars(add_row(grid, row++, name), 16);
  return grid;
}

QLayout* TournamentDialog::format_column() {
  auto* column = new QVBoxLayout;
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  int row = 0;
  for (const char* name : {"format", "tie_break", "auto_assign", "division_count", "callaway_division"})
    add_row(grid, row++, name);
  grid->setColumnStretch(2, 1);
  column->addLayout(grid);
  column->addLayout(divisions_table());
  column->addLayout(format_extras());
  return column;
}

QLayout* TournamentDialog::divisions_table() {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(2);
  grid->addWidget(fields().caption(numbered("division_allowance", 1)), 0, 2, Qt::AlignLeft);
  grid->addWidget(fields().caption(numbered("division_handicap_limit", 1)), 0, 3, Qt::AlignLeft);
  for (int d = 1; d <= divisions; ++d) {
    grid->addWidget(fields().caption(numbered("division_tee", d)), d, 0, Qt::AlignRight | Qt::AlignVCenter);
    for (int column = 1; const char* base : {"division_tee", "division_allowance", "division_handicap_limit"}) {
      QWidget* list = fields().make(numbered(base, d));
      grid->addWidget(list, d, column++);
      tab_order_.push_back(list);
    }
  }
  grid->setColumnStretch(1, 1);
  return grid;
}

QLayout* TournamentDialog::format_extras() {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  grid->addWidget(fields().make("peoria_label"), 0, 0, Qt::AlignRight | Qt::AlignVCenter);
  for (int set = 0; set < 2; ++set) {
    auto* holes = new QHBoxLayout;
    for (int i = 1; i <= peoria_holes; ++i) {
      QWidget* edit = fields().make(numbered(set == 0 ? "peoria_hole" : "peoria_hole2", i));
      fit_to_chars(edit, 3);
      holes->addWidget(edit);
      tab_order_.push_back(edit);
    }
    holes->addStretch();
    grid->addLayout(holes, set, 1);
  }
  grid->addWidget(fields().make("use_entered_handicap"), 2, 1);
  tab_order_.push_back(fields().widget("use_entered_handicap"));

  auto* best_holes = new QHBoxLayout;
  for (const char* name : {"best_holes_count", "max_hole_score"}) {
    best_holes->addWidget(fields().make(name));
    tab_order_.push_back(fields().widget(name));
  }
  best_holes->addStretch();
  grid->addWidget(fields().caption("best_holes_count"), 3, 0, Qt::AlignRight | Qt::AlignVCenter);
  grid->addLayout(best_holes, 3, 1);
  add_row(grid, 4, "best_balls");
  grid->setColumnStretch(1, 1);
  return grid;
}

QLayout* TournamentDialog::times_and_groups() {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  grid->setHorizontalSpacing(6);
  add_row(grid, 0, "start_type");
  add_row(grid, 0, "tee_interval", 2);
  add_row(grid, 1, "first_tee_time");
  add_row(grid, 1, "last_tee_time", 2);
  add_row(grid, 2, "blocked_from");
  add_row(grid, 2, "blocked_to", 2);
  add_row(grid, 3, "results_limit");
  fit_to_chars(add_row(grid, 0, "group_count", 4), 4);
  fit_to_chars(add_row(grid, 1, "group_size", 4), 2);
  fit_to_chars(add_row(grid, 2, "groups_per_tee_time", 4), 2);
  fit_to_chars(add_row(grid, 3, "first_shotgun_groups", 4), 4);
  grid->setColumnMinimumWidth(4, 200);
  grid->setColumnStretch(6, 1);
  QWidget* check = fields().make("include_rating_and_par");
  grid->addWidget(check, 4, 0, 1, 7);
  tab_order_.push_back(check);
  return grid;
}

QLayout* TournamentDialog::button_row() {
  auto* row = new QHBoxLayout;
  for (const char* name : {"notepad", "callaway_configuration", "stableford_configuration", "shotgun_holes"}) {
    row->addWidget(fields().make(name));
    tab_order_.push_back(fields().widget(name));
  }
  row->addStretch();
  QDialogButtonBox* buttons = make_buttons();
  row->addWidget(buttons);
  for (auto b : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel, QDialogButtonBox::Help})
    tab_order_.push_back(buttons->button(b));
  return row;
}

}  // namespace quillon::shell
