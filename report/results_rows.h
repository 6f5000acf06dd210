#pragma once
// The body rows of a results table, in rank order, for each layout.
#include <string>

#include "report/results_layout.h"

namespace quillon {

struct State;
struct Results;
class ReportWriter;
struct GolferEntry;

// A hole score cell: red below par, blue at par, plain above, empty when the
// hole has no score.
std::string hole_cell(int score, int par);

// The whole-stroke handicap a scored golfer played off: the day's handicap in
// the computed formats (and the Callaway division of format 8), else the
// playing handicap.
int scored_handicap(const TournamentHeader& header, const GolferEntry& golfer);

// Writes the rows of the results (built for the current tournament) with the
// spacer row after every fifth row where each result takes one row.
void write_results_rows(ReportWriter& w, State& state, const Results& results, ResultsLayout layout);

}  // namespace quillon
