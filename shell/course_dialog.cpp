#include "shell/course_dialog.h"

#include <array>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/dialog_registry.h"
#include "shell/form_layout.h"
#include "shell/qt_text.h"
#include "shell/select_on_entry.h"

namespace quillon::shell {

namespace {

[[maybe_unused]] const bool registered =
    register_dialog("course_maintenance", [](DialogModel& model, const DialogContext& context) {
      return std::make_unique<CourseDialog>(dynamic_cast<CourseDialogModel&>(model), context.show_help, context.parent);
    });

constexpr int hole_cell_chars = 3;
constexpr int front_nine = 9;
constexpr int out_column = 10;  // holes 1..9 sit in columns 1..9
constexpr int in_column = 20;  // holes 10..18 in columns 11..19
constexpr int total_column = 21;
constexpr int season_columns = 4;

int hole_column(int hole) { return hole <= front_nine ? hole : hole + 1; }

// The rows of the hole grid: the caption, the cell of each hole and, for the
// pars, the typed nine and total pars with the running totals under them.
struct GridRow {
  const Field& caption;
  std::vector<const Field*> cells;
  const CourseForm::NinePars* typed;  // null when the row has none
  const CourseForm::Totals* totals;  // likewise
};

std::vector<GridRow> grid_rows(const CourseForm& f) {
  std::vector<GridRow> rows = {
      {f.men_par_caption, {}, &f.men_pars, &f.men_par_totals},
      {f.women_par_caption, {}, &f.women_pars, &f.women_par_totals},
      {f.men_hcp_caption, {}, nullptr, nullptr},
      {f.women_hcp_caption, {}, nullptr, nullptr},
      {f.distance_caption, {}, nullptr, &f.length_totals},
  };
  for (const CourseForm::HoleRow& hole : f.holes) {
    rows[0].cells.push_back(&hole.men_par);
    rows[1].cells.push_back(&hole.women_par);
    rows[2].cells.push_back(&hole.men_hcp_hole);
    rows[3].cells.push_back(&hole.women_hcp_hole);
    rows[4].cells.push_back(&hole.hole_length);
  }
  return rows;
}

void style_total(QLabel* label) {
  label->setAlignment(Qt::AlignCenter);
  label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  fit_to_chars(label, hole_cell_chars);
}

}  // namespace

CourseDialog::CourseDialog(CourseDialogModel& model, HelpTopicFn show_help, QWidget* parent)
    : FormDialog(model, std::move(show_help), parent), course_(model) {
  auto* outer = new QVBoxLayout(this);
  outer->setSpacing(8);
  outer->addLayout(names_row());
  auto* middle = new QHBoxLayout;
  middle->addLayout(ratings_table());
  middle->addSpacing(24);
  middle->addLayout(contact_block());
  middle->addStretch();
  outer->addLayout(middle);
  auto* holes = new QGroupBox;
  holes->setLayout(hole_grid());
  outer->addWidget(holes);
  outer->addLayout(check_boxes());
  finish(outer, tab_order_);
}

QLayout* CourseDialog::names_row() {
  auto* row = new QHBoxLayout;
  const CourseForm& form = course_.form();
  const std::pair<const Field*, int> names[] = {
      {&form.course_name, 25}, {&form.course_abbrev, 5}, {&form.tee_name, 15}};
  for (auto [name, chars] : names) {
    row->addWidget(fields().caption(*name));
    QWidget* edit = fields().make(*name);
    fit_to_chars(edit, chars + 1);
    row->addWidget(edit);
    row->addSpacing(12);
    tab_order_.push_back(edit);
  }
  row->addStretch();
  return row;
}

QLayout* CourseDialog::ratings_table() {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(3);
  // Each sex's block of ratings, then of slopes: the 18-hole figure and those of the nines.
  auto block_of = [](const CourseForm::Ratings& r, int block) {
    return block == 0 ? std::array<const Field*, 3>{&r.rating, &r.rating_f9, &r.rating_b9}
                      : std::array<const Field*, 3>{&r.slope, &r.slope_f9, &r.slope_b9};
  };
  const CourseForm& form = course_.form();
  const char* headings[] = {"18", "F9", "B9"};
  for (int part = 0; part < 3; ++part) {
    for (int block = 0; block < 2; ++block) {
      // The men's fields show the headings, hiding them with the nines of a 9-hole course.
      QLabel* h = fields().caption(*block_of(form.men, block)[part], headings[part]);
      h->setAlignment(Qt::AlignCenter);
      grid->addWidget(h, 0, 1 + block * 4 + part);
    }
  }
  int row = 1;
  for (const CourseForm::Ratings* sex : {&form.men, &form.women}) {
    for (int block = 0; block < 2; ++block) {
      const std::array<const Field*, 3> parts = block_of(*sex, block);
      grid->addWidget(fields().caption(*parts[0]), row, block * 4, Qt::AlignRight);
      for (int part = 0; part < 3; ++part) {
        QWidget* edit = fields().make(*parts[part]);
        fit_to_chars(edit, 4);
        grid->addWidget(edit, row, 1 + block * 4 + part);
        tab_order_.push_back(edit);
      }
    }
    ++row;
  }
  grid->setColumnMinimumWidth(4, 16);
  return grid;
}

QLayout* CourseDialog::contact_block() {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(3);
  int row = 0;
  for (const Field* number : {&course_.form().phone, &course_.form().fax}) {
    grid->addWidget(fields().caption(*number), row, 0, Qt::AlignRight);
    QWidget* edit = fields().make(*number);
    fit_to_chars(edit, 16);
    grid->addWidget(edit, row++, 1);
    tab_order_.push_back(edit);
  }
  return grid;
}

QLayout* CourseDialog::hole_grid() {
  const int holes = course_.holes();
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(3);
  grid->setVerticalSpacing(3);
  grid->addWidget(fields().make_label(course_.form().hole_caption), 0, 0);
  for (int hole = 1; hole <= holes; ++hole) grid->addWidget(heading(QString::number(hole)), 0, hole_column(hole));
  grid->addWidget(heading("Out"), 0, out_column);
  if (holes == 18) grid->addWidget(heading("In"), 0, in_column);
  grid->addWidget(heading("Total"), 0, total_column);

  int row = 1;
  for (const GridRow& r : grid_rows(course_.form())) {
    grid->addWidget(fields().make_label(r.caption), row, 0);
    for (int hole = 1; hole <= holes; ++hole) {
      QWidget* cell = fields().make_line_edit(*r.cells[hole - 1]);
      fit_to_chars(cell, hole_cell_chars);
      select_content_on_entry(cell);
      grid->addWidget(cell, row, hole_column(hole));
      tab_order_.push_back(cell);
    }
    const std::pair<const Field*, const Field*> totals[] = {
        {r.typed ? &r.typed->front : nullptr, r.totals ? &r.totals->front : nullptr},
        {r.typed ? &r.typed->back : nullptr, r.totals ? &r.totals->back : nullptr},
        {r.typed ? &r.typed->total : nullptr, r.totals ? &r.totals->total : nullptr}};
    const int columns[] = {out_column, in_column, total_column};
    for (int i = 0; i < 3; ++i) {
      auto [typed, total] = totals[i];
      if (holes == 9 && columns[i] == in_column) continue;
      if (total) {
        QLabel* label = fields().make_label(*total);
        style_total(label);
        grid->addWidget(label, row, columns[i]);
      }
      if (typed) {
        QWidget* edit = fields().make_line_edit(*typed);
        fit_to_chars(edit, hole_cell_chars);
        select_content_on_entry(edit);
        grid->addWidget(edit, row, columns[i]);
        tab_order_.push_back(edit);
        shared_cells_.push_back({typed, total});
      }
    }
    ++row;
  }
  grid->setColumnStretch(total_column + 1, 1);
  return grid;
}

QLayout* CourseDialog::check_boxes() {
  auto* row = new QHBoxLayout;
  auto* checks = new QVBoxLayout;
  const CourseForm& form = course_.form();
  for (const Field* check :
       {&form.active, &form.home_course, &form.whs_verified, &form.hole_by_hole, &form.exclude_off_season}) {
    QWidget* box = fields().make(*check);
    checks->addWidget(box);
    tab_order_.push_back(box);
  }
  checks->addStretch();
  row->addLayout(checks);
  row->addSpacing(16);

  auto* season = new QGroupBox;
  auto* grid = new QGridLayout(season);
  grid->setVerticalSpacing(2);
  for (int half = 1; half <= 24; ++half) {
    QWidget* box = fields().make(*course_.form().active_season[half - 1]);
    grid->addWidget(box, (half - 1) / season_columns, (half - 1) % season_columns);
    tab_order_.push_back(box);
  }
  row->addWidget(season);
  row->addStretch();
  return row;
}

void CourseDialog::refresh_extras() {
  for (const auto& [typed, total] : shared_cells_) {
    bool typing = typed->visible && typed->enabled;
    fields().widget(typed->name)->setVisible(typing);
    fields().widget(total->name)->setVisible(!typing && total->visible);
  }
}

}  // namespace quillon::shell
