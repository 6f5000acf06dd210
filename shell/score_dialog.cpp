#include "shell/score_dialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/text.h"
#include "shell/dialog_registry.h"
#include "shell/form_layout.h"
#include "shell/select_on_entry.h"

namespace quillon::shell {

namespace {

std::unique_ptr<ModelDialog> make_score_dialog(DialogModel& model, const DialogContext& context) {
  return std::make_unique<ScoreDialog>(dynamic_cast<ScoreEntryModel&>(model), context.show_help, context.parent);
}

[[maybe_unused]] const bool registered =
    register_dialog("score_entry", make_score_dialog) && register_dialog("team_score_entry", make_score_dialog);

constexpr int holes_per_line = 9;
// Grid columns: the name, nine holes, the nine's total, the card total, then
// the division, Skins and DQ (golfer card) and the three figures.
constexpr int name_column = 0;
constexpr int nine_total_column = 10;
constexpr int total_column = 11;
constexpr int division_column = 12;
constexpr int skins_column = 13;
constexpr int dq_column = 14;
constexpr int gross_column = 15;
constexpr int index_column = 16;
constexpr int net_column = 17;
constexpr int column_count = 18;

QLabel* styled_figure(QLabel* label, int chars) {
  label->setAlignment(Qt::AlignCenter);
  label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  fit_to_chars(label, chars);
  return label;
}

QFrame* separator() {
  auto* line = new QFrame;
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

ScoreDialog::ScoreDialog(ScoreEntryModel& model, HelpTopicFn show_help, QWidget* parent)
    : FormDialog(model, std::move(show_help), parent), scores_(model) {
  const ScoreEntryForm& form = model.form();
  std::vector<QWidget*> tab_order{fields().make(form.group_number)};
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(top_row());
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(3);
  grid->setVerticalSpacing(3);
  if (model.team_window()) team_row(grid, tab_order);
  else golfer_rows(grid, tab_order);
  // The headings of the last columns are wider than their figures.
  for (int column = division_column; column < column_count; ++column) {
    QLayoutItem* top = grid->itemAtPosition(0, column);
    if (top && top->widget()) grid->setColumnMinimumWidth(column, top->widget()->sizeHint().width() + 8);
  }
  grid->setColumnStretch(column_count, 1);
  outer->addLayout(grid);
  outer->addStretch();
  for (const Field* button : {&form.prev, &form.next, &form.search}) tab_order.push_back(fields().make(*button));
  // The card is typed from the first hole of the first golfer.
  if (model.focus().empty()) model.enter_cell(1, 1);
  finish(outer, std::move(tab_order));
}

// Focus moving while the cells are taken down must not reach the half-gone dialog.
ScoreDialog::~ScoreDialog() {
  for (const auto& [cell, place] : cells_) cell->removeEventFilter(this);
}

QLayout* ScoreDialog::top_row() {
  const ScoreEntryForm& form = scores_.form();
  auto* row = new QHBoxLayout;
  row->addWidget(fields().caption(form.group_number));
  QWidget* groups = fields().make(form.group_number);
  fit_to_chars(groups, 4);
  row->addWidget(groups);
  row->addStretch();
  for (const Field* button : {&form.prev, &form.next, &form.search}) row->addWidget(fields().make(*button));
  return row;
}

void ScoreDialog::golfer_rows(QGridLayout* grid, std::vector<QWidget*>& tab_order) {
  const ScoreEntryForm& form = scores_.form();
  for (int column = 1; column <= holes_per_line; ++column)
    grid->addWidget(fields().make(*form.hole_headings[column - 1]), 0, column, Qt::AlignCenter);
  grid->addWidget(heading("Div"), 0, division_column);
  grid->addWidget(fields().make(*form.skins_heading), 0, skins_column, Qt::AlignCenter);
  grid->addWidget(fields().make(*form.dq_heading), 0, dq_column, Qt::AlignCenter);
  for (const auto& [figure, column] :
       {std::pair{&form.gross_heading, gross_column}, std::pair{&form.index_heading, index_column},
        std::pair{&form.net_heading, net_column}})
    grid->addWidget(fields().make(*figure), 0, column, Qt::AlignCenter);

  int grid_row = 1;
  for (int row = 1; row <= scores_.row_count(); ++row) {
    if (row > 1) grid->addWidget(separator(), grid_row++, 0, 1, column_count);
    const ScoreEntryForm::Row& fields_of_row = form.rows[row - 1];
    QWidget* name = fields().make(*fields_of_row.name);
    fit_to_chars(name, 24);
    grid->addWidget(name, grid_row, name_column, 2, 1, Qt::AlignVCenter);
    tab_order.push_back(name);
    place_holes(grid, grid_row, row, 1, tab_order);
    place_holes(grid, grid_row + 1, row, holes_per_line + 1, tab_order);
    QWidget* division = fields().make(*fields_of_row.division);
    fit_to_chars(division, 2);
    grid->addWidget(division, grid_row, division_column, 2, 1, Qt::AlignCenter);
    QWidget* index = fields().make(fields_of_row.handicap_index);
    fit_to_chars(index, 5);
    grid->addWidget(index, grid_row, index_column, 2, 1, Qt::AlignCenter);
    for (const auto& [box, at] : {std::pair{fields_of_row.skins, skins_column}, std::pair{fields_of_row.dq, dq_column}})
      grid->addWidget(fields().make(*box), grid_row, at, 2, 1, Qt::AlignCenter);
    place_figures(grid, grid_row, 2, row);
    for (const Field* column :
         {fields_of_row.division, &fields_of_row.handicap_index, fields_of_row.skins, fields_of_row.dq})
      tab_order.push_back(fields().make(*column));
    grid_row += 2;
  }
}

void ScoreDialog::team_row(QGridLayout* grid, std::vector<QWidget*>& tab_order) {
  const ScoreEntryForm& form = scores_.form();
  for (int hole = 1; hole <= 18; ++hole) {
    int line = hole <= holes_per_line ? 0 : 2;
    int column = hole <= holes_per_line ? hole : hole - holes_per_line;
    grid->addWidget(fields().make(*form.hole_headings[hole - 1]), line, column, Qt::AlignCenter);
  }
  for (const auto& [figure, column] :
       {std::pair{&form.gross_heading, gross_column}, std::pair{&form.index_heading, index_column},
        std::pair{&form.net_heading, net_column}})
    grid->addWidget(fields().make(*figure), 0, column, Qt::AlignCenter);
  grid->addWidget(fields().make(*form.team_heading), 1, name_column, Qt::AlignRight | Qt::AlignVCenter);
  place_holes(grid, 1, 1, 1, tab_order);
  place_holes(grid, 3, 1, holes_per_line + 1, tab_order);
  QLabel* team_handicap = styled_figure(fields().make_label(form.rows.front().handicap_index), 5);
  grid->addWidget(team_handicap, 1, index_column, Qt::AlignCenter);
  place_figures(grid, 1, 1, 1);
}

void ScoreDialog::place_holes(QGridLayout* grid, int grid_row, int row, int first_hole,
                              std::vector<QWidget*>& tab_order) {
  for (int i = 0; i < holes_per_line; ++i) {
    const int hole = first_hole + i;
    QLineEdit* cell = fields().make_line_edit(*scores_.form().rows[row - 1].holes[hole - 1]);
    fit_to_chars(cell, 2);
    select_content_on_entry(cell);
    cell->installEventFilter(this);
    cells_[cell] = {row, hole};
    grid->addWidget(cell, grid_row, 1 + i);
    tab_order.push_back(cell);
  }
  const ScoreEntryForm::Row& fields_of_row = scores_.form().rows[row - 1];
  const Field& nine_total = first_hole == 1 ? fields_of_row.front_total : fields_of_row.back_total;
  grid->addWidget(styled_figure(fields().make_label(nine_total), 3), grid_row, nine_total_column);
}

void ScoreDialog::place_figures(QGridLayout* grid, int grid_row, int rows_spanned, int row) {
  const ScoreEntryForm::Row& fields_of_row = scores_.form().rows[row - 1];
  for (const auto& [figure, column] :
       {std::pair{&fields_of_row.total, total_column}, std::pair{&fields_of_row.gross, gross_column},
        std::pair{&fields_of_row.net, net_column}})
    grid->addWidget(styled_figure(fields().make_label(*figure), 4), grid_row, column, rows_spanned, 1, Qt::AlignCenter);
}

QLineEdit* ScoreDialog::hole_cell(int row, int hole) const {
  return qobject_cast<QLineEdit*>(widget_for(ScoreEntryModel::hole_field(row, hole)));
}

int ScoreDialog::cell_green(int row, int hole) const {
  auto it = greens_.find(hole_cell(row, hole));
  return it == greens_.end() ? 0 : it->second;
}

void ScoreDialog::refresh_extras() {
  for (const auto& [cell, place] : cells_) {
    const int green = par_mark_green(scores_.cell_mark(place.first, place.second));
    int& shown = greens_[cell];
    if (green == shown) continue;
    shown = green;
    auto* edit = static_cast<QLineEdit*>(cell);
    edit->setStyleSheet(green == 0 ? QString() : QString("QLineEdit { border: 2px solid rgb(0, %1, 0); }").arg(green));
  }
}

// The cursor entering a cell of a row without a golfer passes on to the next row.
bool ScoreDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    auto it = cells_.find(watched);
    if (it != cells_.end()) {
      const std::string here = ScoreEntryModel::hole_field(it->second.first, it->second.second);
      scores_.enter_cell(it->second.first, it->second.second);
      if (scores_.focus() != here) fields().focus(scores_.focus());
    }
  }
  return FormDialog::eventFilter(watched, event);
}

}  // namespace quillon::shell
