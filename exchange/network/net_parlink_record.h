#pragma once
// One golfer's round as the Parlink Network takes it: 92 bytes, little-endian,
// every byte not named zero.
#include <cstddef>
#include <cstdint>

namespace quillon {

#pragma pack(push, 1)
struct ParlinkScoreRecord {
  char member_id[11];  // zero-terminated up to 10 characters, else its first 11
  char name[21];  // zero-terminated, at most 20 characters
  std::uint8_t reserved_32[2];
  std::uint16_t tournament_day;
  std::uint8_t reserved_36[2];
  std::uint8_t gross;
  std::uint8_t reserved_39;
  std::uint32_t hole_pairs[9];  // hole 2k+1 in bits 0-3, hole 2k+2 in bits 16-19 of word k
  std::uint16_t rating;  // course rating in tenths for the golfer's gender
  std::uint8_t gross_again;
  std::uint8_t reserved_79;
  std::uint8_t slope;
  std::uint8_t reserved_81[3];
  std::uint16_t upload_day;
  std::uint8_t reserved_86[2];
  std::uint16_t course_number;  // in the club's Parlink data
  std::uint16_t flags;
};
#pragma pack(pop)

static_assert(sizeof(ParlinkScoreRecord) == 92);
static_assert(offsetof(ParlinkScoreRecord, member_id) == 0);
static_assert(offsetof(ParlinkScoreRecord, name) == 11);
static_assert(offsetof(ParlinkScoreRecord, tournament_day) == 34);
static_assert(offsetof(ParlinkScoreRecord, gross) == 38);
static_assert(offsetof(ParlinkScoreRecord, hole_pairs) == 40);
static_assert(offsetof(ParlinkScoreRecord, rating) == 76);
static_assert(offsetof(ParlinkScoreRecord, gross_again) == 78);
static_assert(offsetof(ParlinkScoreRecord, slope) == 80);
static_assert(offsetof(ParlinkScoreRecord, upload_day) == 84);
static_assert(offsetof(ParlinkScoreRecord, course_number) == 88);
static_assert(offsetof(ParlinkScoreRecord, flags) == 90);

namespace parlink_flag {
inline constexpr std::uint16_t always = 0x0001;
inline constexpr std::uint16_t tournament_score = 0x4000;
}  // namespace parlink_flag

}  // namespace quillon
