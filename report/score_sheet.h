#pragma once
// The tee sheet with hole-by-hole scores: one row per golfer with the front
// nine over the back nine, scores below par in red and above par in blue.
namespace quillon {

struct State;
struct PageStyle;
class ReportWriter;
class FieldDivisionTees;

// Shows net hole scores (strokes received taken off) when `net` is set.
void write_score_sheet(State& state, ReportWriter& w, const PageStyle& style, const FieldDivisionTees& tees, bool net);

}  // namespace quillon
