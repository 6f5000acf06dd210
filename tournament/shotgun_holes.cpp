#include "tournament/shotgun_holes.h"

#include "core/database.h"
#include "core/state.h"
#include "core/text.h"
#include "tournament/formats.h"

namespace quillon {

std::string ShotgunHolesModel::shotgun_field(int shotgun, int hole) {
  return format_text(32, "shotgun%d.%d", shotgun, hole);
}

ShotgunHolesModel::ShotgunHolesModel(State& state, const TournamentHeader& header, int tee_slot)
    : explanation(add(Field::label_field(
          "explanation",
          "For each hole, select the # of groups which should start on the hole for a Shotgun start.  "
          "For a Single Shotgun select the values for Shotgun 1 only.  For a Double Shotgun, select "
          "values for both Shotgun 1 and Shotgun 2."))) {
  title_ = "Allocation of Groups for Shotgun Start";
  // After a failed read (told) the window shows no holes, and OK changes none.
  (void)read_record(state, RecordKind::course, tee_slot < 1 ? 1 : tee_slot);
  holes_ = state.course.hole_count < 0 ? 0 : (state.course.hole_count > 18 ? 18 : state.course.hole_count);
  std::vector<std::string> counts = number_list(0, 6, "%d");
  for (int h = 1; h <= holes_; ++h) {
    std::string row = "hole." + std::to_string(h);
    pars_[h - 1] = state.course.men_par[h - 1];
    add(Field::label_field("hole_label." + std::to_string(h),
                           format_text(32, "Hole #%d, Par %d", h, state.course.men_par[h - 1])))
        .group = row;
    int first = header.shotgun_groups_per_hole[h - 1];
    int second = header.shotgun2_groups_per_hole[h - 1];
    Field& one = add(Field::list_field(shotgun_field(1, h), "Shotgun 1", counts));
    one.index = first >= 0 && first <= 6 ? first : 0;
    one.group = row;
    first_shotgun_.push_back(&one);
    Field& two = add(Field::list_field(shotgun_field(2, h), "Shotgun 2", counts));
    two.index = second >= 0 && second <= 6 ? second : 0;
    two.group = row;
    second_shotgun_.push_back(&two);
  }
}

void ShotgunHolesModel::store(TournamentHeader& header) const {
  for (int h = 1; h <= holes_; ++h) {
    header.shotgun_groups_per_hole[h - 1] = static_cast<std::int8_t>(first_shotgun_[h - 1]->index);
    header.shotgun2_groups_per_hole[h - 1] = static_cast<std::int8_t>(second_shotgun_[h - 1]->index);
  }
}

}  // namespace quillon
