#include "handicap/peoria.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "handicap/tee_values.h"

namespace quillon {

namespace {

// Factor in tenths and the hidden holes of the format.
int factor_tenths(Format format) {
  switch (format) {
    case Format::peoria_single: return 24;
    case Format::peoria_double: return 12;
    default: return 28;
  }
}

std::vector<int> hidden_holes(Format format, const TournamentHeader& header) {
  std::vector<int> holes;
  holes.reserve(std::size(header.peoria_holes) + std::size(header.peoria_holes2));
  for (int h : header.peoria_holes) holes.push_back(h);
  if (format_traits(format).peoria_sets == 2)
    for (int h : header.peoria_holes2) holes.push_back(h);
  return holes;
}

}  // namespace

int peoria_cap(int par) {
  if (par <= 3) return 6;
  return 2 * par - 1;  // par 4: 7, par 5: 9, par 6: 11
}

ComputedResult score_peoria(Format format, const GolferEntry& golfer, const CourseRecord& tee,
                            const TournamentHeader& header) {
  const char sex = golfer.gender;
  ComputedResult r;
  for (int h = 0; h < 18; ++h) r.gross += golfer.hole_scores[h];
  r.adjusted_gross = r.gross;

  int over_par = 0;
  for (int hole : hidden_holes(format, header)) {
    if (hole < 1 || hole > 18) continue;  // an unset entry counts no hole
    int par = tee_values::par(tee, sex, hole);
    over_par += std::min<int>(golfer.hole_scores[hole - 1], peoria_cap(par)) - par;
  }
  int tenths = over_par * factor_tenths(format);
  r.handicap = tenths >= 0 ? (tenths + 5) / 10 : (tenths - 5) / 10;
  r.net = r.gross - r.handicap;
  return r;
}

}  // namespace quillon
