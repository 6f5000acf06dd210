#pragma once
// Strokes of a whole-round handicap on single holes, and the per-hole caps of
// the "Maximum Score Per Hole" setting.
#include <string>
#include <vector>

#include "core/records/course_record.h"

namespace quillon {

// Strokes received on a hole of stroke index `hole_hcp` (1 = hardest) for a
// handicap of `handicap` strokes on a course of `hole_count` holes: at most 3
// per hole; a plus handicap of 1..9 gives one back on as many of the easiest
// holes; a plus handicap of 10 or more gives none back.
int strokes_on_hole(int hole_hcp, int handicap, int hole_count);

// The hole score less the strokes received on that hole of the tee.
int net_hole_score(const CourseRecord& tee, int score, char sex, int hole, int handicap);

// "Maximum Score Per Hole" settings, by `max_hole_score_index`.
inline constexpr int hole_cap_setting_count = 6;
inline constexpr int double_par_setting = 5;
inline constexpr int no_hole_cap = 99;
// The setting's name ("None", "1 over par", ..., "double par"); "None" for an
// unknown index.
std::string hole_cap_name(int cap_index);
std::vector<std::string> hole_cap_names();
// The most a hole of the par counts under the setting: par + n for "n over
// par", twice the par for "double par", 99 for "None" and unknown indexes.
int hole_cap(int par, int cap_index);

}  // namespace quillon
