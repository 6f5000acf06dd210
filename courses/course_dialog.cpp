#include "courses/course_dialog.h"

#include <algorithm>
#include <cctype>

#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "courses/course_validation.h"

namespace quillon {

namespace {

bool all_digits(const std::string& text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char ch) { return std::isdigit(static_cast<unsigned char>(ch)); });
}

int hole_par_counted(int par) { return par >= 3 && par <= 6 ? par : 0; }

}  // namespace

CourseDialogModel::CourseDialogModel(State& state, int holes, char mode, int slot, const CourseRecord& start)
    : state_(state), holes_(holes == 9 ? 9 : 18), mode_(mode), slot_(slot), form_(build_fields()) {
  title_ = format_text(64, "Course Maintenance (%d hole)", holes_);
  help_topic_ = Help::course_maintenance;
  copy_ = mode == course_mode::add ? new_course_defaults(holes_) : start;
  if (mode == course_mode::add_tee) set_field_text(copy_.tee_name, "");
  load(copy_);
  refresh_totals();
  set_focus(mode == course_mode::add_tee ? form_.tee_name.name : form_.course_name.name);
}

void CourseDialogModel::on_changed(Field& f) {
  const CourseForm& form = form_;
  if ((&f == &form.course_name || &f == &form.course_abbrev || &f == &form.tee_name) &&
      static_cast<int>(f.text.size()) >= f.max_length) {
    focus_after(f);
  } else if (&f == &form.men.rating || &f == &form.women.rating) {
    if (mode_ == course_mode::add && holes_ == 18 && f.text.size() == 4)
      propose_nine_ratings(&f == &form.men.rating ? form.men : form.women);
  } else if (&f == &form.men.slope || &f == &form.women.slope) {
    if (f.text.size() == 3 && all_digits(f.text)) copy_slope(f, &f == &form.men.slope ? form.men : form.women);
  }
  if (affects_totals(f)) refresh_totals();
}

// The pars and lengths of the holes and the typed nine and total pars.
bool CourseDialogModel::affects_totals(const Field& f) const {
  for (const CourseForm::HoleRow& row : form_.holes)
    if (&f == &row.men_par || &f == &row.women_par || &f == &row.hole_length) return true;
  for (const CourseForm::NinePars* pars : {&form_.men_pars, &form_.women_pars})
    if (&f == &pars->front || &f == &pars->back || &f == &pars->total) return true;
  return false;
}

void CourseDialogModel::propose_nine_ratings(const CourseForm::Ratings& ratings) {
  int r = parse_tenths(ratings.rating.text);
  std::string nine = format_text(16, "%4.1f", (r - r / 2) / 10.0);
  ratings.rating_f9.text = nine;
  ratings.rating_b9.text = nine;
}

void CourseDialogModel::copy_slope(Field& slope, const CourseForm::Ratings& ratings) {
  int value = std::stoi(slope.text);
  if (value < 55 || value > 155) {
    error_box(state_, "%s must be between 55 and 155", slope.label.c_str());
    return;
  }
  ratings.slope_f9.text = slope.text;
  ratings.slope_b9.text = slope.text;
  focus_after(ratings.slope_b9);
}

// The next field after `field` that can take typing.
void CourseDialogModel::focus_after(const Field& field) {
  const auto& all = fields();
  auto it = std::find_if(all.begin(), all.end(), [&](const Field& f) { return &f == &field; });
  if (it == all.end()) return;
  for (++it; it != all.end(); ++it) {
    if (it->visible && it->enabled && it->kind != FieldKind::label) {
      set_focus(it->name);
      return;
    }
  }
}

void CourseDialogModel::refresh_totals() {
  for (const SexFields& sex : {men(), women()}) {
    bool per_hole = per_hole_pars_typed(sex);
    int front = 0, back = 0, total = 0;
    if (per_hole) {
      for (int h = 1; h <= holes_; ++h)
        (h <= 9 ? front : back) += hole_par_counted(number(sex.par(form_.holes[h - 1])));
      total = front + back;
    } else {
      front = number(sex.pars.front);
      back = holes_ == 18 ? number(sex.pars.back) : 0;
      total = number(sex.pars.total);
    }
    sex.totals.front.text = std::to_string(front);
    sex.totals.back.text = std::to_string(back);
    sex.totals.total.text = std::to_string(total);
    // The nine and total pars are typed only when the holes carry none.
    for (Field* typed : {&sex.pars.front, &sex.pars.back, &sex.pars.total}) typed->enabled = !per_hole;
  }
  int front = 0, back = 0;
  for (int h = 1; h <= holes_; ++h) (h <= 9 ? front : back) += std::max(0, number(form_.holes[h - 1].hole_length));
  form_.length_totals.front.text = std::to_string(front);
  form_.length_totals.back.text = std::to_string(back);
  form_.length_totals.total.text = std::to_string(front + back);
}

bool CourseDialogModel::accept() {
  CourseRecord candidate = copy_;
  if (!read_fields(candidate)) return false;
  if (validate_course(state_, candidate) != 0) return false;
  if (check_course_names(state_, candidate, slot_) != 0) return false;
  take_check_boxes(candidate);
  candidate.changed_date = static_cast<std::uint16_t>(state_.today.day_number);
  copy_ = candidate;
  state_.course = copy_;
  return true;
}

}  // namespace quillon
