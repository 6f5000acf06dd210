// The controls of the course dialog and the transfer between them and the record.
#include <limits>
#include <string>

#include "core/dates.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "courses/course_dialog.h"
#include "courses/course_validation.h"

namespace quillon {

namespace {

std::string hole_field(const char* base, int hole) { return std::string(base) + "." + std::to_string(hole); }

std::string number_text(int value) { return value == 0 ? std::string() : std::to_string(value); }
std::string rating_text(int tenths) { return tenths == 0 ? std::string() : format_text(16, "%4.1f", tenths / 10.0); }

// Typed numbers beyond a field's range are pinned to its limit rather than
// wrapped, so that the range rules see them as out of range.
template <typename T>
T fitted(int value) {
  if (value < std::numeric_limits<T>::min()) return std::numeric_limits<T>::min();
  if (value > std::numeric_limits<T>::max()) return std::numeric_limits<T>::max();
  return static_cast<T>(value);
}

std::string season_caption(int half) {
  int month = (half - 1) / 2 + 1;
  return std::string(month_abbrev(month)) + (half % 2 == 1 ? " 1-14" : " 15-end");
}

}  // namespace

CourseRecord new_course_defaults(int holes) {
  CourseRecord c{};
  c.hole_count = static_cast<std::int8_t>(holes);
  set_field_text(c.tee_name, "White");
  c.men_slope = c.women_slope = 113;
  if (holes == 18) c.men_slope_f9 = c.men_slope_b9 = c.women_slope_f9 = c.women_slope_b9 = 113;
  for (int h = 0; h < holes; ++h) {
    int hcp = holes == 9 ? h + 1 : (h < 9 ? 2 * h + 1 : 2 * (h - 9) + 2);
    c.men_hcp_hole[h] = c.women_hcp_hole[h] = static_cast<std::int8_t>(hcp);
  }
  c.active = 1;
  for (auto& half : c.active_season) half = 1;
  return c;
}

CourseForm CourseDialogModel::build_fields() {
  const bool eighteen = holes_ == 18;
  auto grouped = [this](Field field, const std::string& group) -> Field& {
    Field& f = add(std::move(field));
    f.group = group;
    return f;
  };
  auto shown = [](Field& f, bool visible) -> Field& {
    f.visible = visible;
    return f;
  };
  auto ratings = [&](const std::string& sex) {
    const std::string caption = sex == "men" ? "Men's Rating" : "Ladies Rating";
    const std::string slope_caption = sex == "men" ? "Men's Slope" : "Women's Slope";
    return CourseForm::Ratings{
        .rating = grouped(Field::text_field(sex + "_rating", caption, 4), sex),
        .rating_f9 = shown(grouped(Field::text_field(sex + "_rating_f9", caption + " F9", 4), sex), eighteen),
        .rating_b9 = shown(grouped(Field::text_field(sex + "_rating_b9", caption + " B9", 4), sex), eighteen),
        .slope = grouped(Field::text_field(sex + "_slope", slope_caption, 3), sex),
        .slope_f9 = shown(grouped(Field::text_field(sex + "_slope_f9", slope_caption + " F9", 3), sex), eighteen),
        .slope_b9 = shown(grouped(Field::text_field(sex + "_slope_b9", slope_caption + " B9", 3), sex), eighteen),
    };
  };
  auto hole_rows = [&] {
    std::vector<CourseForm::HoleRow> rows;
    for (int h = 1; h <= holes_; ++h) {
      const std::string group = hole_field("hole", h);
      const std::string n = std::to_string(h);
      Field& men_par = grouped(Field::text_field(hole_field("men_par", h), "Par(M) " + n, 1), group);
      Field& women_par = grouped(Field::text_field(hole_field("women_par", h), "Par(F) " + n, 1), group);
      Field& men_hcp = grouped(Field::text_field(hole_field("men_hcp_hole", h), "Hcap (M) " + n, 2), group);
      Field& women_hcp = grouped(Field::text_field(hole_field("women_hcp_hole", h), "Hcap (F) " + n, 2), group);
      Field& length = grouped(Field::text_field(hole_field("hole_length", h), "Length " + n, 4), group);
      rows.push_back({men_par, women_par, men_hcp, women_hcp, length});
    }
    return rows;
  };
  auto nine_pars = [&](const std::string& sex) {
    const std::string who = sex == "men" ? "Par(M)" : "Par(F)";
    return CourseForm::NinePars{
        .front = grouped(Field::text_field(sex + "_par_f9", who + " F9", 2), "pars"),
        .back = shown(grouped(Field::text_field(sex + "_par_b9", who + " B9", 2), "pars"), eighteen),
        .total = grouped(Field::text_field(sex + "_total_par", who + " Total", 2), "pars"),
    };
  };
  auto totals = [&](const std::string& base) {
    return CourseForm::Totals{
        .front = grouped(Field::label_field("total." + base + "_f9", ""), "totals"),
        .back = shown(grouped(Field::label_field("total." + base + "_b9", ""), "totals"), eighteen),
        .total = grouped(Field::label_field("total." + base, ""), "totals"),
    };
  };
  auto season = [&] {
    std::vector<Field*> halves;
    for (int half = 1; half <= 24; ++half)
      halves.push_back(&grouped(Field::check_field(hole_field("active_season", half), season_caption(half)), "season"));
    return halves;
  };
  const bool yards = (state_.system.flags & system_flag::yards) != 0;

  // Braced initialisers run in order: the fields are added as listed.
  return CourseForm{
      .course_name = grouped(Field::text_field("course_name", "Course Name", 25), "names"),
      .course_abbrev = grouped(Field::text_field("course_abbrev", "Abbrev Name", 5), "names"),
      .tee_name = grouped(Field::text_field("tee_name", "Tee Name", 15), "names"),
      .nines_caption = shown(add(Field::label_field("caption.nines", "18  F9  B9")), eighteen),
      .men = ratings("men"),
      .women = ratings("women"),
      .phone = grouped(Field::text_field("phone", "Phone #", 15), "contact"),
      .fax = grouped(Field::text_field("fax", "Fax #", 15), "contact"),
      .hole_caption = grouped(Field::label_field("caption.hole", "Hole"), "captions"),
      .men_par_caption = grouped(Field::label_field("caption.men_par", "Par(M)"), "captions"),
      .women_par_caption = grouped(Field::label_field("caption.women_par", "Par(F)"), "captions"),
      .men_hcp_caption = grouped(Field::label_field("caption.men_hcp", "Hcap (M)"), "captions"),
      .women_hcp_caption = grouped(Field::label_field("caption.women_hcp", "Hcap (F)"), "captions"),
      .distance_caption = grouped(Field::label_field("distance_caption", yards ? "Yards" : "Metres"), "captions"),
      .holes = hole_rows(),
      .men_pars = nine_pars("men"),
      .women_pars = nine_pars("women"),
      .men_par_totals = totals("men_par"),
      .women_par_totals = totals("women_par"),
      .length_totals = totals("length"),
      .active = grouped(Field::check_field("active", "This course/tee is currently active"), "handicap"),
      .home_course =
          grouped(Field::check_field("home_course", "This course/tee is a Home Course for all members on this system"),
                  "handicap"),
      .whs_verified = grouped(Field::check_field("whs_verified", "WHS verified"), "handicap"),
      .hole_by_hole = grouped(
          Field::check_field("hole_by_hole", "Force rounds to be entered hole by hole for this course"), "handicap"),
      .exclude_off_season = grouped(
          Field::check_field("exclude_off_season", "Exclude rounds played outside the active season from handicaps"),
          "handicap"),
      .active_season = season(),
  };
}

void CourseDialogModel::load(const CourseRecord& c) {
  const CourseForm& f = form_;
  f.course_name.text = field_text(c.course_name);
  f.course_abbrev.text = field_text(c.course_abbrev);
  f.tee_name.text = field_text(c.tee_name);
  f.men.rating.text = rating_text(c.men_rating);
  f.men.rating_f9.text = rating_text(c.men_rating_f9);
  f.men.rating_b9.text = rating_text(c.men_rating_b9);
  f.women.rating.text = rating_text(c.women_rating);
  f.women.rating_f9.text = rating_text(c.women_rating_f9);
  f.women.rating_b9.text = rating_text(c.women_rating_b9);
  f.men.slope.text = number_text(c.men_slope);
  f.men.slope_f9.text = number_text(c.men_slope_f9);
  f.men.slope_b9.text = number_text(c.men_slope_b9);
  f.women.slope.text = number_text(c.women_slope);
  f.women.slope_f9.text = number_text(c.women_slope_f9);
  f.women.slope_b9.text = number_text(c.women_slope_b9);
  f.phone.text = field_text(c.phone);
  f.fax.text = field_text(c.fax);
  for (int h = 0; h < holes_; ++h) {
    const CourseForm::HoleRow& row = f.holes[h];
    row.men_par.text = number_text(c.men_par[h]);
    row.women_par.text = number_text(c.women_par[h]);
    row.men_hcp_hole.text = number_text(c.men_hcp_hole[h]);
    row.women_hcp_hole.text = number_text(c.women_hcp_hole[h]);
    row.hole_length.text = number_text(c.hole_length[h]);
  }
  f.men_pars.front.text = number_text(c.men_par_f9);
  f.men_pars.back.text = number_text(c.men_par_b9);
  f.men_pars.total.text = number_text(c.men_total_par);
  f.women_pars.front.text = number_text(c.women_par_f9);
  f.women_pars.back.text = number_text(c.women_par_b9);
  f.women_pars.total.text = number_text(c.women_total_par);
  f.active.checked = c.active != 0;
  f.home_course.checked = c.home_course != 0;
  f.whs_verified.checked = c.whs_verified != 0;
  f.hole_by_hole.checked = c.hole_by_hole != 0;
  f.exclude_off_season.checked = c.exclude_off_season != 0;
  for (int half = 0; half < 24; ++half) f.active_season[half]->checked = c.active_season[half];
}

int CourseDialogModel::number(const Field& field) {
  const std::string& t = field.text;
  return parse_int(t, static_cast<int>(std::min<std::size_t>(t.size(), 10)));
}

bool CourseDialogModel::per_hole_pars_typed(const SexFields& sex) const {
  return !trimmed(sex.par(form_.holes.front()).text).empty();
}

bool CourseDialogModel::read_fields(CourseRecord& c) {
  const CourseForm& f = form_;
  set_field_text_terminated(c.course_name, f.course_name.text);
  set_field_text_terminated(c.course_abbrev, f.course_abbrev.text);
  set_field_text(c.tee_name, f.tee_name.text);
  set_field_text_terminated(c.phone, f.phone.text);
  set_field_text_terminated(c.fax, f.fax.text);
  c.hole_count = static_cast<std::int8_t>(holes_);

  c.men_rating = fitted<std::int16_t>(parse_tenths(f.men.rating.text));
  c.women_rating = fitted<std::int16_t>(parse_tenths(f.women.rating.text));
  if (holes_ == 9) {
    c.men_rating_f9 = c.men_rating_b9 = c.men_rating;
    c.women_rating_f9 = c.women_rating_b9 = c.women_rating;
  } else {
    c.men_rating_f9 = fitted<std::int16_t>(parse_tenths(f.men.rating_f9.text));
    c.men_rating_b9 = fitted<std::int16_t>(parse_tenths(f.men.rating_b9.text));
    c.women_rating_f9 = fitted<std::int16_t>(parse_tenths(f.women.rating_f9.text));
    c.women_rating_b9 = fitted<std::int16_t>(parse_tenths(f.women.rating_b9.text));
  }
  if (c.men_rating == 0 && c.women_rating == 0) {
    error_box(state_, "Either Men's or Women's data must be entered.");
    return false;
  }

  c.men_slope = fitted<std::uint8_t>(number(f.men.slope));
  c.women_slope = fitted<std::uint8_t>(number(f.women.slope));
  if (holes_ == 9) {
    c.men_slope_f9 = c.men_slope_b9 = c.men_slope;
    c.women_slope_f9 = c.women_slope_b9 = c.women_slope;
  } else {
    c.men_slope_f9 = fitted<std::uint8_t>(number(f.men.slope_f9));
    c.men_slope_b9 = fitted<std::uint8_t>(number(f.men.slope_b9));
    c.women_slope_f9 = fitted<std::uint8_t>(number(f.women.slope_f9));
    c.women_slope_b9 = fitted<std::uint8_t>(number(f.women.slope_b9));
  }

  for (int h = 0; h < holes_; ++h) {
    const CourseForm::HoleRow& row = f.holes[h];
    c.men_par[h] = fitted<std::int8_t>(number(row.men_par));
    c.men_hcp_hole[h] = fitted<std::int8_t>(number(row.men_hcp_hole));
    c.women_par[h] = fitted<std::int8_t>(number(row.women_par));
    c.women_hcp_hole[h] = fitted<std::int8_t>(number(row.women_hcp_hole));
    c.hole_length[h] = fitted<std::int16_t>(number(row.hole_length));
  }

  read_nine_and_total_pars(men(), c.men_par, c.men_par_f9, c.men_par_b9, c.men_total_par);
  read_nine_and_total_pars(women(), c.women_par, c.women_par_f9, c.women_par_b9, c.women_total_par);
  return true;
}

void CourseDialogModel::read_nine_and_total_pars(const SexFields& sex, const std::int8_t (&pars)[18],
                                                 std::int8_t& front, std::int8_t& back, std::int8_t& total) const {
  if (per_hole_pars_typed(sex)) {
    ParSums sums = sum_pars(pars, holes_);
    front = fitted<std::int8_t>(sums.front);
    back = fitted<std::int8_t>(sums.back);
    total = fitted<std::int8_t>(sums.total);
  } else {
    front = fitted<std::int8_t>(number(sex.pars.front));
    back = fitted<std::int8_t>(holes_ == 18 ? number(sex.pars.back) : 0);
    total = fitted<std::int8_t>(number(sex.pars.total));
  }
}

void CourseDialogModel::take_check_boxes(CourseRecord& c) const {
  c.active = form_.active.checked;
  c.home_course = form_.home_course.checked;
  c.whs_verified = form_.whs_verified.checked;
  c.hole_by_hole = form_.hole_by_hole.checked && c.men_par[0] != 0;
  c.exclude_off_season = form_.exclude_off_season.checked;
  for (int half = 0; half < 24; ++half) c.active_season[half] = form_.active_season[half]->checked;
}

}  // namespace quillon
