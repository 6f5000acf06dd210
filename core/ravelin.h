#pragma once
// Read access to the Ravelin database "rvwin4.dat": a file of fixed-size
// records that this program only ever reads.
//
//   0                         kind 1, header (200 bytes)
//   200                       kind 2, first 92-byte record
//   200 + 92 k, k = 1..10     kind 3, the further 92-byte records
//   912 + 300 n, n = 1..Sc    kind 4, course record n (course/tee layout)
//   B                         kind 9 (110 bytes)
//   B - 50 + 50 n             kind 5 (50 bytes)
//   B + 50 (n + 2)            kind 10 (50 bytes)
//   B + 350                   kind 14 (150 bytes)
//   B + 2500                  kind 12 (500 bytes)
//   M + R (n - 1)             kind 6, member record n (R bytes)
// with Sc the course slots (header byte 98), N the score slots per member
// (header byte 74), B = 1212 + 300 Sc, M = B + 3000 and R = 60 N + 450.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/records/course_record.h"

namespace quillon {

namespace ravelin_kind {
inline constexpr int header = 1;
inline constexpr int first_record = 2;
inline constexpr int flight = 3;
inline constexpr int course = 4;
inline constexpr int block5 = 5;
inline constexpr int member = 6;
inline constexpr int block9 = 9;
inline constexpr int system = 10;
inline constexpr int block12 = 12;
inline constexpr int block14 = 14;
}  // namespace ravelin_kind

// The header bytes this program reads.
namespace ravelin_header {
inline constexpr int version = 6;  // 16-bit
inline constexpr int version_letter = 10;  // 8-bit
inline constexpr int scores_per_member = 74;
inline constexpr int course_slots = 98;
inline constexpr int day_number = 142;
}  // namespace ravelin_header

// Member record fields.
namespace ravelin_member {
inline constexpr int member_id = 0;
inline constexpr int last_name = 11;
inline constexpr int first_name = 272;
}  // namespace ravelin_member

inline constexpr const char* ravelin_empty_name = "ZZZZZZZZZZ";

class RavelinReader {
 public:
  explicit RavelinReader(std::string path);
  ~RavelinReader();
  RavelinReader(const RavelinReader&) = delete;
  RavelinReader& operator=(const RavelinReader&) = delete;

  // Forgets the cached records and opens the file, which must exist. Returns
  // false when it cannot be opened.
  bool open_ravelin();
  void close();
  bool is_open() const { return file_ != nullptr; }

  // Reads record `number` of a kind into that kind's buffer and returns the
  // bytes read: 0 for a number below 1 or an unknown kind, fewer than the
  // record's size at the end of the file (the rest of the buffer stays zero).
  // Kinds 3 and 4 are cached: asking again for the record last read restores
  // the buffer from the copy taken when it was read, undoing a caller's
  // changes, and returns what that read returned. A member record whose position cannot be set returns the number.
  int read_ravelin(int kind, int number);

  // From the header (read kind 1 first).
  int course_slots() const;
  int scores_per_member() const;
  int version() const;
  char version_letter() const;
  int day_number() const;
  std::int64_t course_area_end() const;  // B
  std::int64_t member_area_start() const { return course_area_end() + 3000; }
  int member_record_size() const { return 60 * scores_per_member() + 450; }
  // Whole member records between the member area and the end of the file.
  int member_count() const;
  // Where record `number` of a kind lies, -1 for an unknown kind.
  std::int64_t offset_of(int kind, int number) const;

  const std::string& path() const { return path_; }
  // The buffer of a kind (kinds 2 and 3 share one); empty for an unknown kind.
  std::vector<std::uint8_t>& buffer(int kind);
  CourseRecord course() const;
  // A zero-terminated text of the member buffer at a byte offset.
  std::string member_text(int offset, int width) const;

 private:
  int read_into(std::vector<std::uint8_t>& target, std::int64_t offset, bool position_failure_returns_number,
                int number);
  void apply_old_system_fixup();

  std::string path_;
  std::FILE* file_ = nullptr;

  std::vector<std::uint8_t> header_ = std::vector<std::uint8_t>(200);
  std::vector<std::uint8_t> record92_ = std::vector<std::uint8_t>(92);
  std::vector<std::uint8_t> course_ = std::vector<std::uint8_t>(300);
  std::vector<std::uint8_t> member_;
  std::vector<std::uint8_t> block5_ = std::vector<std::uint8_t>(50);
  std::vector<std::uint8_t> block9_ = std::vector<std::uint8_t>(110);
  std::vector<std::uint8_t> system_ = std::vector<std::uint8_t>(50);
  std::vector<std::uint8_t> block12_ = std::vector<std::uint8_t>(500);
  std::vector<std::uint8_t> block14_ = std::vector<std::uint8_t>(150);
  std::vector<std::uint8_t> unknown_;

  std::vector<std::uint8_t> saved_flight_;
  std::vector<std::uint8_t> saved_course_;
  int last_flight_ = 0;
  int last_course_ = 0;
  int saved_flight_read_ = 0;  // what the cached reads returned
  int saved_course_read_ = 0;
};

}  // namespace quillon
