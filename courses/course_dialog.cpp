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

bool starts_with(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool affects_totals(const std::string& name) {
  return starts_with(name, "men_par") || starts_with(name, "women_par") || starts_with(name, "hole_length") ||
         name == "men_total_par" || name == "women_total_par";
}

int hole_par_counted(int par) { return par >= 3 && par <= 6 ? par : 0; }

}  // namespace

CourseDialogModel::CourseDialogModel(State& state, int holes, char mode, int slot, const CourseRecord& start)
    : state_(state), holes_(holes == 9 ? 9 : 18), mode_(mode), slot_(slot) {
  title_ = format_text(64, "Course Maintenance (%d hole)", holes_);
  help_topic_ = Help::course_maintenance;
  copy_ = mode == course_mode::add ? new_course_defaults(holes_) : start;
  if (mode == course_mode::add_tee) set_field_text(copy_.tee_name, "");
  build_fields();
  load(copy_);
  refresh_totals();
  set_focus(mode == course_mode::add_tee ? "tee_name" : "course_name");
}

void CourseDialogModel::on_changed(Field& f) {
  const std::string name = f.name;  // the field may move as others change
  if ((name == "course_name" || name == "course_abbrev" || name == "tee_name") &&
      static_cast<int>(f.text.size()) >= f.max_length) {
    focus_after(name);
  } else if (name == "men_rating" || name == "women_rating") {
    if (mode_ == course_mode::add && holes_ == 18 && f.text.size() == 4)
      propose_nine_ratings(name == "men_rating" ? "men" : "women");
  } else if (name == "men_slope" || name == "women_slope") {
    if (f.text.size() == 3 && all_digits(f.text)) copy_slope(f, name == "men_slope" ? "men" : "women");
  }
  if (affects_totals(name)) refresh_totals();
}

void CourseDialogModel::propose_nine_ratings(const std::string& sex) {
  int r = parse_tenths(text(sex + "_rating"));
  std::string nine = format_text(16, "%4.1f", (r - r / 2) / 10.0);
  field(sex + "_rating_f9").text = nine;
  field(sex + "_rating_b9").text = nine;
}

void CourseDialogModel::copy_slope(Field& slope, const std::string& sex) {
  int value = std::stoi(slope.text);
  if (value < 55 || value > 155) {
    error_box(state_, "%s must be between 55 and 155", slope.label.c_str());
    return;
  }
  field(sex + "_slope_f9").text = slope.text;
  field(sex + "_slope_b9").text = slope.text;
  focus_after(sex + "_slope_b9");
}

// The next field after `name` that can take typing.
void CourseDialogModel::focus_after(const std::string& name) {
  const auto& all = fields();
  auto it = std::find_if(all.begin(), all.end(), [&](const Field& f) { return f.name == name; });
  if (it == all.end()) return;
  for (++it; it != all.end(); ++it) {
    if (it->visible && it->enabled && it->kind != FieldKind::label) {
      set_focus(it->name);
      return;
    }
  }
}

void CourseDialogModel::refresh_totals() {
  for (const std::string sex : {"men", "women"}) {
    bool per_hole = per_hole_pars_typed(sex);
    int front = 0, back = 0, total = 0;
    if (per_hole) {
      for (int h = 1; h <= holes_; ++h)
        (h <= 9 ? front : back) += hole_par_counted(number(sex + "_par." + std::to_string(h)));
      total = front + back;
    } else {
      front = number(sex + "_par_f9");
      back = holes_ == 18 ? number(sex + "_par_b9") : 0;
      total = number(sex + "_total_par");
    }
    field("total." + sex + "_par_f9").text = std::to_string(front);
    field("total." + sex + "_par_b9").text = std::to_string(back);
    field("total." + sex + "_par").text = std::to_string(total);
    // The nine and total pars are typed only when the holes carry none.
    for (const char* part : {"_par_f9", "_par_b9", "_total_par"}) field(sex + part).enabled = !per_hole;
  }
  int front = 0, back = 0;
  for (int h = 1; h <= holes_; ++h) (h <= 9 ? front : back) += std::max(0, number("hole_length." + std::to_string(h)));
  field("total.length_f9").text = std::to_string(front);
  field("total.length_b9").text = std::to_string(back);
  field("total.length").text = std::to_string(front + back);
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
