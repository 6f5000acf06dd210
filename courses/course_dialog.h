#pragma once
// "Course Maintenance (9 hole)" and "(18 hole)": the editing dialog of one
// course/tee record, used to add a course ('A'), to add a tee position to an
// existing course ('T') and to change a course ('C').
//
// Field names follow the record: course_name, course_abbrev, tee_name,
// men_rating[_f9|_b9], women_rating[_f9|_b9], men_slope[_f9|_b9],
// women_slope[_f9|_b9], phone, fax; per hole N (group "hole.N") men_par.N,
// women_par.N, men_hcp_hole.N, women_hcp_hole.N, hole_length.N; the nine and
// total pars typed when no per-hole par is (men_par_f9, men_par_b9,
// men_total_par, women's likewise); the running totals as labels total.men_par_f9,
// total.men_par_b9, total.men_par, total.women_..., total.length_f9,
// total.length_b9, total.length; check boxes active, home_course,
// whs_verified, hole_by_hole, exclude_off_season, active_season.1..24; the
// label distance_caption.
#include <string>
#include <vector>

#include "core/dialog_model.h"
#include "core/records/course_record.h"

namespace quillon {

struct State;

namespace course_mode {
inline constexpr char add = 'A';
inline constexpr char add_tee = 'T';
inline constexpr char change = 'C';
}  // namespace course_mode

// The record a new course starts from: tee "White", slopes 113, handicap
// holes in hole order (9 holes) or odd on the front and even on the back
// (18 holes), active in every half month.
CourseRecord new_course_defaults(int holes);

// The fields of the course dialog, held by type, in the order shown.
struct CourseForm {
  // One sex's course rating and slope, for 18 holes and for each nine.
  struct Ratings {
    Field& rating;
    Field& rating_f9;
    Field& rating_b9;
    Field& slope;
    Field& slope_f9;
    Field& slope_b9;
  };
  struct HoleRow {
    Field& men_par;
    Field& women_par;
    Field& men_hcp_hole;
    Field& women_hcp_hole;
    Field& hole_length;
  };
  // A sex's nine and total pars, typed when no hole's par is.
  struct NinePars {
    Field& front;
    Field& back;
    Field& total;
  };
  // Running totals, shown as labels.
  struct Totals {
    Field& front;
    Field& back;
    Field& total;
  };
  Field& course_name;
  Field& course_abbrev;
  Field& tee_name;
  Field& nines_caption;
  Ratings men;
  Ratings women;
  Field& phone;
  Field& fax;
  Field& hole_caption;
  Field& men_par_caption;
  Field& women_par_caption;
  Field& men_hcp_caption;
  Field& women_hcp_caption;
  Field& distance_caption;
  std::vector<HoleRow> holes;  // holes 1..9 or 1..18
  NinePars men_pars;
  NinePars women_pars;
  Totals men_par_totals;
  Totals women_par_totals;
  Totals length_totals;
  Field& active;
  Field& home_course;
  Field& whs_verified;
  Field& hole_by_hole;
  Field& exclude_off_season;
  std::vector<Field*> active_season;  // the 24 half months from January
};

class CourseDialogModel : public DialogModel {
 public:
  // `start` is the record shown (in add-tee mode without its tee name); the
  // add mode starts from new_course_defaults. `slot` is the slot the record
  // will be stored in, left out of the name conflict check.
  CourseDialogModel(State& state, int holes, char mode, int slot, const CourseRecord& start = {});

  std::string id() const override { return "course_maintenance"; }
  int holes() const { return holes_; }
  char mode() const { return mode_; }

  // OK: reads the fields, validates, checks the names; on success the copy
  // is complete and placed in the course buffer.
  bool accept() override;
  // The editing copy: the record as it will be stored once accepted.
  const CourseRecord& record() const { return copy_; }
  const CourseForm& form() const { return form_; }

 protected:
  void on_changed(Field& field) override;

 private:
  // One sex's fields; `women` picks the sex's column of the hole rows.
  struct SexFields {
    const CourseForm::Ratings& ratings;
    const CourseForm::NinePars& pars;
    const CourseForm::Totals& totals;
    bool women;
    Field& par(const CourseForm::HoleRow& row) const { return women ? row.women_par : row.men_par; }
  };
  SexFields men() const { return {form_.men, form_.men_pars, form_.men_par_totals, false}; }
  SexFields women() const { return {form_.women, form_.women_pars, form_.women_par_totals, true}; }

  CourseForm build_fields();
  void load(const CourseRecord& course);
  // The fields into the record; false (after the error) when neither 18-hole
  // rating was entered.
  bool read_fields(CourseRecord& course);
  void read_nine_and_total_pars(const SexFields& sex, const std::int8_t (&pars)[18], std::int8_t& front,
                                std::int8_t& back, std::int8_t& total) const;
  void take_check_boxes(CourseRecord& course) const;
  // Whether the sex's par of hole 1 is typed: its nine and total pars then
  // follow its holes instead of their own fields.
  bool per_hole_pars_typed(const SexFields& sex) const;
  bool affects_totals(const Field& field) const;
  void refresh_totals();
  void propose_nine_ratings(const CourseForm::Ratings& ratings);
  void copy_slope(Field& slope, const CourseForm::Ratings& ratings);
  void focus_after(const Field& field);
  static int number(const Field& field);

  State& state_;
  int holes_;
  char mode_;
  int slot_;
  CourseRecord copy_;
  CourseForm form_;
};

}  // namespace quillon
