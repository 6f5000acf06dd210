#pragma once
// Record kind 8: the 3400-byte header of a tournament.
#include <cstddef>
#include <cstdint>

namespace quillon {

// The most days (tournaments) a multi-round event combines.
inline constexpr int max_event_days = 5;

#pragma pack(push, 1)
struct TournamentHeader {
  std::int8_t date_year;  // years since 1900
  std::int8_t date_month;
  std::int8_t date_day;
  char name[36];
  char address_line1[26];
  char address_line2[26];
  char address_line3[26];
  char contact[26];
  char telephone[13];
  std::uint16_t options;
  std::uint8_t group_count;
  std::uint8_t tee_interval_index;
  std::int8_t first_tee_hour;
  std::int8_t first_tee_minute;
  std::int8_t last_tee_hour;
  std::int8_t last_tee_minute;
  std::uint8_t reserved_164;
  std::uint8_t format;
  char reserved_166[11];
  std::int8_t peoria_holes[6];
  std::int8_t start_type;
  std::int16_t round_tournaments[max_event_days];
  std::int8_t division_count;
  std::uint8_t reserved_195[6];
  std::int8_t best_holes_count;
  char default_gender;
  std::int8_t groups_per_tee_time;
  std::int8_t first_shotgun_groups;
  std::int8_t include_rating_and_par;
  std::uint8_t reserved_206[4];
  std::int8_t division_allowance[10];
  std::uint8_t reserved_220[9];
  std::int8_t blocked_from_hour;
  std::int8_t blocked_from_minute;
  std::int8_t blocked_to_hour;
  std::int8_t blocked_to_minute;
  std::uint8_t reserved_233[9];
  std::int16_t division_tee[10];
  std::int8_t callaway_max_handicap;
  std::int8_t callaway_table_base;
  std::int8_t max_hole_score_index;
  std::int8_t callaway_division;
  std::int8_t group_size;
  std::int8_t auto_assign_by_course_hcap;
  std::int8_t shotgun_groups_per_hole[18];
  std::uint8_t reserved_286[10];
  char user_stat1_name[16];
  char user_stat2_name[16];
  std::uint16_t sequence_number;
  std::int8_t peoria_holes2[6];
  std::uint16_t results_limit;
  std::int16_t division_handicap_limit[9];
  std::int8_t shotgun2_groups_per_hole[18];
  std::uint8_t reserved_374[26];
  char notes[3000];
};
#pragma pack(pop)

// `format` of a combined multi-round event (the byte reads as the letter 'c').
inline constexpr std::uint8_t multi_round_format = 99;

static_assert(sizeof(TournamentHeader) == 3400);
static_assert(offsetof(TournamentHeader, name) == 3);
static_assert(offsetof(TournamentHeader, address_line1) == 39);
static_assert(offsetof(TournamentHeader, address_line2) == 65);
static_assert(offsetof(TournamentHeader, address_line3) == 91);
static_assert(offsetof(TournamentHeader, contact) == 117);
static_assert(offsetof(TournamentHeader, telephone) == 143);
static_assert(offsetof(TournamentHeader, options) == 156);
static_assert(offsetof(TournamentHeader, group_count) == 158);
static_assert(offsetof(TournamentHeader, tee_interval_index) == 159);
static_assert(offsetof(TournamentHeader, first_tee_hour) == 160);
static_assert(offsetof(TournamentHeader, first_tee_minute) == 161);
static_assert(offsetof(TournamentHeader, last_tee_hour) == 162);
static_assert(offsetof(TournamentHeader, last_tee_minute) == 163);
static_assert(offsetof(TournamentHeader, format) == 165);
static_assert(offsetof(TournamentHeader, reserved_166) == 166);
static_assert(offsetof(TournamentHeader, peoria_holes) == 177);
static_assert(offsetof(TournamentHeader, start_type) == 183);
static_assert(offsetof(TournamentHeader, round_tournaments) == 184);
static_assert(offsetof(TournamentHeader, division_count) == 194);
static_assert(offsetof(TournamentHeader, best_holes_count) == 201);
static_assert(offsetof(TournamentHeader, default_gender) == 202);
static_assert(offsetof(TournamentHeader, groups_per_tee_time) == 203);
static_assert(offsetof(TournamentHeader, first_shotgun_groups) == 204);
static_assert(offsetof(TournamentHeader, include_rating_and_par) == 205);
static_assert(offsetof(TournamentHeader, division_allowance) == 210);
static_assert(offsetof(TournamentHeader, blocked_from_hour) == 229);
static_assert(offsetof(TournamentHeader, blocked_from_minute) == 230);
static_assert(offsetof(TournamentHeader, blocked_to_hour) == 231);
static_assert(offsetof(TournamentHeader, blocked_to_minute) == 232);
static_assert(offsetof(TournamentHeader, division_tee) == 242);
static_assert(offsetof(TournamentHeader, callaway_max_handicap) == 262);
static_assert(offsetof(TournamentHeader, callaway_table_base) == 263);
static_assert(offsetof(TournamentHeader, max_hole_score_index) == 264);
static_assert(offsetof(TournamentHeader, callaway_division) == 265);
static_assert(offsetof(TournamentHeader, group_size) == 266);
static_assert(offsetof(TournamentHeader, auto_assign_by_course_hcap) == 267);
static_assert(offsetof(TournamentHeader, shotgun_groups_per_hole) == 268);
static_assert(offsetof(TournamentHeader, user_stat1_name) == 296);
static_assert(offsetof(TournamentHeader, user_stat2_name) == 312);
static_assert(offsetof(TournamentHeader, sequence_number) == 328);
static_assert(offsetof(TournamentHeader, peoria_holes2) == 330);
static_assert(offsetof(TournamentHeader, results_limit) == 336);
static_assert(offsetof(TournamentHeader, division_handicap_limit) == 338);
static_assert(offsetof(TournamentHeader, shotgun2_groups_per_hole) == 356);
static_assert(offsetof(TournamentHeader, reserved_374) == 374);
static_assert(offsetof(TournamentHeader, notes) == 400);

}  // namespace quillon
