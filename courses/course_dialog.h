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

 protected:
  void on_changed(Field& field) override;

 private:
  void build_fields();
  void load(const CourseRecord& course);
  // The fields into the record; false (after the error) when neither 18-hole
  // rating was entered.
  bool read_fields(CourseRecord& course);
  void read_nine_and_total_pars(const std::string& sex, const std::int8_t (&pars)[18], std::int8_t& front,
                                std::int8_t& back, std::int8_t& total) const;
  void take_check_boxes(CourseRecord& course) const;
  // Whether the sex's ("men" or "women") par of hole 1 is typed: its nine and
  // total pars then follow its holes instead of their own fields.
  bool per_hole_pars_typed(const std::string& sex) const;
  void refresh_totals();
  void propose_nine_ratings(const std::string& sex);
  void copy_slope(Field& slope, const std::string& sex);
  void focus_after(const std::string& name);
  int number(const std::string& name) const;

  State& state_;
  int holes_;
  char mode_;
  int slot_;
  CourseRecord copy_;
};

}  // namespace quillon
