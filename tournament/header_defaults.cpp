#include "tournament/header_defaults.h"

#include <cstring>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "tournament/formats.h"

namespace quillon {

namespace {

constexpr std::uint16_t best_balls_shift = 8;

}  // namespace

void set_shotgun_defaults(TournamentHeader& h, State& state, int tee_slot) {
  // Defaults only: after a failed read (told) no hole gets groups, which the user can set.
  (void)read_record(state, RecordKind::course, tee_slot < 1 ? 1 : tee_slot);
  for (int hole = 1; hole <= 18; ++hole) {
    int groups = 0;
    if (hole <= state.course.hole_count) {
      groups = state.course.men_par[hole - 1] - 2;
      if (groups < 0) groups = 0;
      if (groups > 6) groups = 6;
    }
    h.shotgun_groups_per_hole[hole - 1] = static_cast<std::int8_t>(groups);
    h.shotgun2_groups_per_hole[hole - 1] = static_cast<std::int8_t>(groups);
  }
}

TournamentHeader new_tournament_header(State& state) {
  TournamentHeader h;
  std::memset(&h, 0, sizeof h);
  const SystemRecord& sys = state.system;
  h.date_year = static_cast<std::int8_t>(state.today.year - 1900);
  h.date_month = static_cast<std::int8_t>(state.today.month);
  h.date_day = static_cast<std::int8_t>(state.today.day);
  int tie_break = sys.default_tie_break >= 0 && sys.default_tie_break < tie_break_count ? sys.default_tie_break : 0;
  h.options = static_cast<std::uint16_t>((1 << best_balls_shift) | (tie_break << 1));
  h.group_count = 1;
  h.format = static_cast<std::uint8_t>(is_table_format(sys.default_format) ? sys.default_format
                                                                           : format_code(Format::callaway));
  h.start_type = 0;
  h.tee_interval_index = static_cast<std::uint8_t>(
      sys.tee_time_interval >= 0 && sys.tee_time_interval < tee_interval_count ? sys.tee_time_interval : 0);
  h.first_tee_hour = 8;
  h.last_tee_hour = 8;
  h.results_limit = most_results;
  for (auto& tee : h.division_tee) tee = static_cast<std::int16_t>(sys.default_course);
  h.division_count = format_of(h) == Format::net_with_callaway_division ? 2 : 1;
  h.callaway_division = h.division_count;
  for (auto& a : h.division_allowance) a = 100;
  h.default_gender = 'M';
  for (auto& limit : h.division_handicap_limit) limit = 360;
  h.group_size = 4;
  h.groups_per_tee_time = 1;
  set_field_text(h.user_stat1_name, "U1 - User def 1");
  set_field_text(h.user_stat2_name, "U2 - User def 2");
  h.include_rating_and_par = sys.default_include_rating_and_par ? 1 : 0;
  const std::int8_t peoria1[6] = {18, 17, 16, 9, 8, 7};
  const std::int8_t peoria2[6] = {15, 14, 13, 6, 5, 4};
  std::memcpy(h.peoria_holes, peoria1, 6);
  std::memcpy(h.peoria_holes2, peoria2, 6);
  h.best_holes_count = 18;
  h.max_hole_score_index = 5;
  h.callaway_max_handicap = static_cast<std::int8_t>(standard_callaway_defaults.max_handicap);
  h.callaway_table_base = static_cast<std::int8_t>(standard_callaway_defaults.table_base);
  set_shotgun_defaults(h, state, sys.default_course);
  return h;
}

}  // namespace quillon
