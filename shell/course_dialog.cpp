#include "shell/course_dialog.h"

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

std::string numbered(const char* base, int n) { return std::string(base) + "." + std::to_string(n); }

int hole_column(int hole) { return hole <= front_nine ? hole : hole + 1; }

// The rows of the hole grid: the per-hole field, its caption field and, for
// the pars, the typed nine and total pars with the running totals under them.
struct GridRow {
  const char* hole_base;
  const char* caption;
  const char* typed_out;
  const char* typed_in;
  const char* typed_total;
  const char* total_out;
  const char* total_in;
  const char* total_all;
};

constexpr GridRow grid_rows[] = {
    {"men_par", "caption.men_par", "men_par_f9", "men_par_b9", "men_total_par", "total.men_par_f9", "total.men_par_b9",
     "total.men_par"},
    {"women_par", "caption.women_par", "women_par_f9", "women_par_b9", "women_total_par", "total.women_par_f9",
     "total.women_par_b9", "total.women_par"},
    {"men_hcp_hole", "caption.men_hcp", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"women_hcp_hole", "caption.women_hcp", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"hole_length", "distance_caption", nullptr, nullptr, nullptr, "total.length_f9", "total.length_b9",
     "total.length"},
};

void style_total(QWidget* label) {
  auto* l = static_cast<QLabel*>(label);
  l->setAlignment(Qt::AlignCenter);
  l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  fit_to_chars(l, hole_cell_chars);
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
  const std::pair<const char*, int> names[] = {{"course_name", 25}, {"course_abbrev", 5}, {"tee_name", 15}};
  for (auto [name, chars] : names) {
    row->addWidget(fields().caption(name));
    QWidget* edit = fields().make(name);
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
  const char* nines[] = {"", "_f9", "_b9"};
  const char* headings[] = {"18", "F9", "B9"};
  for (int part = 0; part < 3; ++part) {
    for (int block = 0; block < 2; ++block) {
      std::string shown_by = std::string(block == 0 ? "men_rating" : "men_slope") + nines[part];
      QLabel* h = fields().caption(shown_by, headings[part]);
      h->setAlignment(Qt::AlignCenter);
      grid->addWidget(h, 0, 1 + block * 4 + part);
    }
  }
  int row = 1;
  for (const std::string sex : {"men", "women"}) {
    for (int block = 0; block < 2; ++block) {
      std::string base = sex + (block == 0 ? "_rating" : "_slope");
      grid->addWidget(fields().caption(base), row, block * 4, Qt::AlignRight);
      for (int part = 0; part < 3; ++part) {
        QWidget* edit = fields().make(base + nines[part]);
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
  for (const char* name : {"phone", "fax"}) {
    grid->addWidget(fields().caption(name), row, 0, Qt::AlignRight);
    QWidget* edit = fields().make(name);
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
  grid->addWidget(fields().make("caption.hole"), 0, 0);
  for (int hole = 1; hole <= holes; ++hole) grid->addWidget(heading(QString::number(hole)), 0, hole_column(hole));
  grid->addWidget(heading("Out"), 0, out_column);
  if (holes == 18) grid->addWidget(heading("In"), 0, in_column);
  grid->addWidget(heading("Total"), 0, total_column);

  int row = 1;
  for (const GridRow& r : grid_rows) {
    grid->addWidget(fields().make(r.caption), row, 0);
    for (int hole = 1; hole <= holes; ++hole) {
      QWidget* cell = fields().make(numbered(r.hole_base, hole));
      fit_to_chars(cell, hole_cell_chars);
      select_content_on_entry(cell);
      grid->addWidget(cell, row, hole_column(hole));
      tab_order_.push_back(cell);
    }
    const std::pair<const char*, const char*> totals[] = {
        {r.typed_out, r.total_out}, {r.typed_in, r.total_in}, {r.typed_total, r.total_all}};
    const int columns[] = {out_column, in_column, total_column};
    for (int i = 0; i < 3; ++i) {
      auto [typed, total] = totals[i];
      if (holes == 9 && columns[i] == in_column) continue;
      if (total) {
        QWidget* label = fields().make(total);
        style_total(label);
        grid->addWidget(label, row, columns[i]);
      }
      if (typed) {
        QWidget* edit = fields().make(typed);
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
  for (const char* name : {"active", "home_course", "whs_verified", "hole_by_hole", "exclude_off_season"}) {
    QWidget* box = fields().make(name);
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
    QWidget* box = fields().make(numbered("active_season", half));
    grid->addWidget(box, (half - 1) / season_columns, (half - 1) % season_columns);
    tab_order_.push_back(box);
  }
  row->addWidget(season);
  row->addStretch();
  return row;
}

void CourseDialog::refresh_extras() {
  for (const auto& [typed_name, total_name] : shared_cells_) {
    const Field* typed = course_.find(typed_name);
    const Field* total = course_.find(total_name);
    bool typing = typed->visible && typed->enabled;
    fields().widget(typed_name)->setVisible(typing);
    fields().widget(total_name)->setVisible(!typing && total->visible);
  }
}

}  // namespace quillon::shell
