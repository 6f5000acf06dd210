#include "scoring/stroke_tables.h"

#include "handicap/stroke_allocation.h"
#include "handicap/tee_values.h"

namespace quillon {

HoleStrokes hole_strokes(const CourseRecord& tee, char sex, int handicap) {
  HoleStrokes strokes{};
  const int holes = tee_values::hole_count(tee);
  for (int hole = 1; hole <= holes; ++hole) {
    int on_hole = strokes_on_hole(tee_values::stroke_index(tee, sex, hole), handicap, holes);
    strokes[hole - 1] = static_cast<std::int8_t>(on_hole);
  }
  return strokes;
}

HoleStrokes StrokeTables::of(const CourseRecord& tee, char sex, int handicap) {
  if (handicap < lowest || handicap > highest) return hole_strokes(tee, sex, handicap);
  const bool men = tee_values::is_men(sex);
  Table* table = nullptr;
  for (Table& t : tables_)
    if (t.tee == &tee && t.men == men) table = &t;
  if (table == nullptr) {
    table = &tables_.emplace_back();
    table->tee = &tee;
    table->men = men;
  }
  const int at = handicap - lowest;
  if (!table->known[at]) {
    table->strokes[at] = hole_strokes(tee, sex, handicap);
    table->known[at] = true;
  }
  return table->strokes[at];
}

}  // namespace quillon
