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

void CourseDialogModel::build_fields() {
  bool eighteen = holes_ == 18;
  add(Field::text_field("course_name", "Course Name", 25)).group = "names";
  add(Field::text_field("course_abbrev", "Abbrev Name", 5)).group = "names";
  add(Field::text_field("tee_name", "Tee Name", 15)).group = "names";
  add(Field::label_field("caption.nines", "18  F9  B9")).visible = eighteen;
  for (const std::string sex : {"men", "women"}) {
    std::string caption = sex == "men" ? "Men's Rating" : "Ladies Rating";
    std::string slope_caption = sex == "men" ? "Men's Slope" : "Women's Slope";
    add(Field::text_field(sex + "_rating", caption, 4)).group = sex;
    add(Field::text_field(sex + "_rating_f9", caption + " F9", 4)).group = sex;
    add(Field::text_field(sex + "_rating_b9", caption + " B9", 4)).group = sex;
    add(Field::text_field(sex + "_slope", slope_caption, 3)).group = sex;
    add(Field::text_field(sex + "_slope_f9", slope_caption + " F9", 3)).group = sex;
    add(Field::text_field(sex + "_slope_b9", slope_caption + " B9", 3)).group = sex;
    for (const char* nine : {"_rating_f9", "_rating_b9", "_slope_f9", "_slope_b9"})
      field(sex + nine).visible = eighteen;
  }
  add(Field::text_field("phone", "Phone #", 15)).group = "contact";
  add(Field::text_field("fax", "Fax #", 15)).group = "contact";

  add(Field::label_field("caption.hole", "Hole")).group = "captions";
  add(Field::label_field("caption.men_par", "Par(M)")).group = "captions";
  add(Field::label_field("caption.women_par", "Par(F)")).group = "captions";
  add(Field::label_field("caption.men_hcp", "Hcap (M)")).group = "captions";
  add(Field::label_field("caption.women_hcp", "Hcap (F)")).group = "captions";
  bool yards = (state_.system.flags & system_flag::yards) != 0;
  add(Field::label_field("distance_caption", yards ? "Yards" : "Metres")).group = "captions";
  for (int h = 1; h <= holes_; ++h) {
    std::string group = hole_field("hole", h);
    std::string n = std::to_string(h);
    add(Field::text_field(hole_field("men_par", h), "Par(M) " + n, 1)).group = group;
    add(Field::text_field(hole_field("women_par", h), "Par(F) " + n, 1)).group = group;
    add(Field::text_field(hole_field("men_hcp_hole", h), "Hcap (M) " + n, 2)).group = group;
    add(Field::text_field(hole_field("women_hcp_hole", h), "Hcap (F) " + n, 2)).group = group;
    add(Field::text_field(hole_field("hole_length", h), "Length " + n, 4)).group = group;
  }

  for (const std::string sex : {"men", "women"}) {
    std::string who = sex == "men" ? "Par(M)" : "Par(F)";
    add(Field::text_field(sex + "_par_f9", who + " F9", 2)).group = "pars";
    add(Field::text_field(sex + "_par_b9", who + " B9", 2)).group = "pars";
    add(Field::text_field(sex + "_total_par", who + " Total", 2)).group = "pars";
    field(sex + "_par_b9").visible = eighteen;
  }
  for (const char* total :
       {"total.men_par_f9", "total.men_par_b9", "total.men_par", "total.women_par_f9", "total.women_par_b9",
        "total.women_par", "total.length_f9", "total.length_b9", "total.length"}) {
    Field& f = add(Field::label_field(total, ""));
    f.group = "totals";
    if (std::string(total).ends_with("_b9")) f.visible = eighteen;
  }

  add(Field::check_field("active", "This course/tee is currently active")).group = "handicap";
  add(Field::check_field("home_course", "This course/tee is a Home Course for all members on this system")).group =
      "handicap";
  add(Field::check_field("whs_verified", "WHS verified")).group = "handicap";
  add(Field::check_field("hole_by_hole", "Force rounds to be entered hole by hole for this course")).group = "handicap";
  add(Field::check_field("exclude_off_season", "Exclude rounds played outside the active season from handicaps"))
      .group = "handicap";
  for (int half = 1; half <= 24; ++half)
    add(Field::check_field(hole_field("active_season", half), season_caption(half))).group = "season";
}

void CourseDialogModel::load(const CourseRecord& c) {
  field("course_name").text = field_text(c.course_name);
  field("course_abbrev").text = field_text(c.course_abbrev);
  field("tee_name").text = field_text(c.tee_name);
  field("men_rating").text = rating_text(c.men_rating);
  field("men_rating_f9").text = rating_text(c.men_rating_f9);
  field("men_rating_b9").text = rating_text(c.men_rating_b9);
  field("women_rating").text = rating_text(c.women_rating);
  field("women_rating_f9").text = rating_text(c.women_rating_f9);
  field("women_rating_b9").text = rating_text(c.women_rating_b9);
  field("men_slope").text = number_text(c.men_slope);
  field("men_slope_f9").text = number_text(c.men_slope_f9);
  field("men_slope_b9").text = number_text(c.men_slope_b9);
  field("women_slope").text = number_text(c.women_slope);
  field("women_slope_f9").text = number_text(c.women_slope_f9);
  field("women_slope_b9").text = number_text(c.women_slope_b9);
  field("phone").text = field_text(c.phone);
  field("fax").text = field_text(c.fax);
  for (int h = 1; h <= holes_; ++h) {
    field(hole_field("men_par", h)).text = number_text(c.men_par[h - 1]);
    field(hole_field("women_par", h)).text = number_text(c.women_par[h - 1]);
    field(hole_field("men_hcp_hole", h)).text = number_text(c.men_hcp_hole[h - 1]);
    field(hole_field("women_hcp_hole", h)).text = number_text(c.women_hcp_hole[h - 1]);
    field(hole_field("hole_length", h)).text = number_text(c.hole_length[h - 1]);
  }
  field("men_par_f9").text = number_text(c.men_par_f9);
  field("men_par_b9").text = number_text(c.men_par_b9);
  field("men_total_par").text = number_text(c.men_total_par);
  field("women_par_f9").text = number_text(c.women_par_f9);
  field("women_par_b9").text = number_text(c.women_par_b9);
  field("women_total_par").text = number_text(c.women_total_par);
  field("active").checked = c.active != 0;
  field("home_course").checked = c.home_course != 0;
  field("whs_verified").checked = c.whs_verified != 0;
  field("hole_by_hole").checked = c.hole_by_hole != 0;
  field("exclude_off_season").checked = c.exclude_off_season != 0;
  for (int half = 1; half <= 24; ++half) field(hole_field("active_season", half)).checked = c.active_season[half - 1];
}

int CourseDialogModel::number(const std::string& name) const {
  std::string t = text(name);
  return parse_int(t, static_cast<int>(std::min<std::size_t>(t.size(), 10)));
}

bool CourseDialogModel::per_hole_pars_typed(const std::string& sex) const {
  return !trimmed(text(sex + "_par.1")).empty();
}

bool CourseDialogModel::read_fields(CourseRecord& c) {
  set_field_text_terminated(c.course_name, text("course_name"));
  set_field_text_terminated(c.course_abbrev, text("course_abbrev"));
  set_field_text(c.tee_name, text("tee_name"));
  set_field_text_terminated(c.phone, text("phone"));
  set_field_text_terminated(c.fax, text("fax"));
  c.hole_count = static_cast<std::int8_t>(holes_);

  c.men_rating = fitted<std::int16_t>(parse_tenths(text("men_rating")));
  c.women_rating = fitted<std::int16_t>(parse_tenths(text("women_rating")));
  if (holes_ == 9) {
    c.men_rating_f9 = c.men_rating_b9 = c.men_rating;
    c.women_rating_f9 = c.women_rating_b9 = c.women_rating;
  } else {
    c.men_rating_f9 = fitted<std::int16_t>(parse_tenths(text("men_rating_f9")));
    c.men_rating_b9 = fitted<std::int16_t>(parse_tenths(text("men_rating_b9")));
    c.women_rating_f9 = fitted<std::int16_t>(parse_tenths(text("women_rating_f9")));
    c.women_rating_b9 = fitted<std::int16_t>(parse_tenths(text("women_rating_b9")));
  }
  if (c.men_rating == 0 && c.women_rating == 0) {
    error_box(state_, "Either Men's or Women's data must be entered.");
    return false;
  }

  c.men_slope = fitted<std::uint8_t>(number("men_slope"));
  c.women_slope = fitted<std::uint8_t>(number("women_slope"));
  if (holes_ == 9) {
    c.men_slope_f9 = c.men_slope_b9 = c.men_slope;
    c.women_slope_f9 = c.women_slope_b9 = c.women_slope;
  } else {
    c.men_slope_f9 = fitted<std::uint8_t>(number("men_slope_f9"));
    c.men_slope_b9 = fitted<std::uint8_t>(number("men_slope_b9"));
    c.women_slope_f9 = fitted<std::uint8_t>(number("women_slope_f9"));
    c.women_slope_b9 = fitted<std::uint8_t>(number("women_slope_b9"));
  }

  for (int h = 1; h <= holes_; ++h) {
    c.men_par[h - 1] = fitted<std::int8_t>(number(hole_field("men_par", h)));
    c.men_hcp_hole[h - 1] = fitted<std::int8_t>(number(hole_field("men_hcp_hole", h)));
    c.women_par[h - 1] = fitted<std::int8_t>(number(hole_field("women_par", h)));
    c.women_hcp_hole[h - 1] = fitted<std::int8_t>(number(hole_field("women_hcp_hole", h)));
    c.hole_length[h - 1] = fitted<std::int16_t>(number(hole_field("hole_length", h)));
  }

  read_nine_and_total_pars("men", c.men_par, c.men_par_f9, c.men_par_b9, c.men_total_par);
  read_nine_and_total_pars("women", c.women_par, c.women_par_f9, c.women_par_b9, c.women_total_par);
  return true;
}

void CourseDialogModel::read_nine_and_total_pars(const std::string& sex, const std::int8_t (&pars)[18],
                                                 std::int8_t& front, std::int8_t& back, std::int8_t& total) const {
  if (per_hole_pars_typed(sex)) {
    ParSums sums = sum_pars(pars, holes_);
    front = fitted<std::int8_t>(sums.front);
    back = fitted<std::int8_t>(sums.back);
    total = fitted<std::int8_t>(sums.total);
  } else {
    front = fitted<std::int8_t>(number(sex + "_par_f9"));
    back = fitted<std::int8_t>(holes_ == 18 ? number(sex + "_par_b9") : 0);
    total = fitted<std::int8_t>(number(sex + "_total_par"));
  }
}

void CourseDialogModel::take_check_boxes(CourseRecord& c) const {
  c.active = checked("active");
  c.home_course = checked("home_course");
  c.whs_verified = checked("whs_verified");
  c.hole_by_hole = checked("hole_by_hole") && c.men_par[0] != 0;
  c.exclude_off_season = checked("exclude_off_season");
  for (int half = 1; half <= 24; ++half) c.active_season[half - 1] = checked(hole_field("active_season", half));
}

}  // namespace quillon
