#pragma once
// Record kind 6 is a group of these 180-byte golfer entries.
#include <cstddef>
#include <cstdint>

namespace quillon {

#pragma pack(push, 1)
struct GolferEntry {
  char name[26];
  char info1[26];
  char info2[26];
  char info3[26];
  char member_id[26];
  std::int8_t hole_scores[18];
  std::int16_t gross_score;
  std::int16_t adjusted_gross;
  std::int16_t handicap_index;
  std::int16_t net_score;
  std::uint8_t reserved_156[4];
  std::int8_t in_skins;
  std::int8_t is_member;
  std::int8_t division;
  std::uint8_t reserved_163;
  std::int16_t team_handicap;
  std::int8_t course_hcap;
  std::int8_t playing_hcap;
  std::int8_t user_stat1;
  std::int8_t user_stat2;
  char gender;
  std::int8_t disqualified;
  std::uint32_t entry_flags;
  std::uint8_t reserved_176[4];
};
#pragma pack(pop)

namespace entry_flag {
inline constexpr std::uint32_t power_cart = 0x1;
inline constexpr std::uint32_t manual_winner = 0x2;
}  // namespace entry_flag

inline constexpr int golfers_per_tournament = 800;
inline constexpr int max_group_size = 5;

// The one group buffer: up to five entries, 900 bytes.
struct GroupBuffer {
  GolferEntry entries[max_group_size];
};

static_assert(sizeof(GolferEntry) == 180);
static_assert(sizeof(GroupBuffer) == 900);
static_assert(offsetof(GolferEntry, info1) == 26);
static_assert(offsetof(GolferEntry, info2) == 52);
static_assert(offsetof(GolferEntry, info3) == 78);
static_assert(offsetof(GolferEntry, member_id) == 104);
static_assert(offsetof(GolferEntry, hole_scores) == 130);
static_assert(offsetof(GolferEntry, gross_score) == 148);
static_assert(offsetof(GolferEntry, adjusted_gross) == 150);
static_assert(offsetof(GolferEntry, handicap_index) == 152);
static_assert(offsetof(GolferEntry, net_score) == 154);
static_assert(offsetof(GolferEntry, in_skins) == 160);
static_assert(offsetof(GolferEntry, is_member) == 161);
static_assert(offsetof(GolferEntry, division) == 162);
static_assert(offsetof(GolferEntry, team_handicap) == 164);
static_assert(offsetof(GolferEntry, course_hcap) == 166);
static_assert(offsetof(GolferEntry, playing_hcap) == 167);
static_assert(offsetof(GolferEntry, user_stat1) == 168);
static_assert(offsetof(GolferEntry, user_stat2) == 169);
static_assert(offsetof(GolferEntry, gender) == 170);
static_assert(offsetof(GolferEntry, disqualified) == 171);
static_assert(offsetof(GolferEntry, entry_flags) == 172);

}  // namespace quillon
