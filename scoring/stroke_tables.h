#pragma once
// Strokes per hole of a course handicap, worked out once per tee, sex and
// handicap in a results run and reused by every golfer who plays off it.
#include <array>
#include <cstdint>
#include <vector>

#include "core/records/course_record.h"

namespace quillon {

using HoleStrokes = std::array<std::int8_t, 18>;

// The strokes_on_hole of `handicap` on each hole of the tee for a sex; 0 on
// holes beyond the tee's.
HoleStrokes hole_strokes(const CourseRecord& tee, char sex, int handicap);

class StrokeTables {
 public:
  // hole_strokes, remembered. Tees are told apart by address, so they must
  // stay in place while the tables are in use.
  HoleStrokes of(const CourseRecord& tee, char sex, int handicap);

 private:
  // Below -10 no hole takes a stroke; from 54 every hole of 18 takes three.
  static constexpr int lowest = -10;
  static constexpr int highest = 54;
  struct Table {
    const CourseRecord* tee = nullptr;
    bool men = true;
    std::array<HoleStrokes, highest - lowest + 1> strokes{};
    std::array<bool, highest - lowest + 1> known{};
  };
  std::vector<Table> tables_;
};

// The tables' strokes, or the strokes worked out afresh without tables.
inline HoleStrokes strokes_from(StrokeTables* tables, const CourseRecord& tee, char sex, int handicap) {
  return tables ? tables->of(tee, sex, handicap) : hole_strokes(tee, sex, handicap);
}

}  // namespace quillon
