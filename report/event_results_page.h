#pragma once
// The results page of a multi-round event: a row per golfer with the value of
// each day and the totals, in the stroke, Stableford or alternating layout.
#include <string>

namespace quillon {

struct State;
struct EventResults;
class ReportWriter;

// The heading line ("<h2>...</h2>") of the event's page.
std::string event_heading_line(const EventResults& results, bool colour);

void write_event_results_page(ReportWriter& w, State& state, const EventResults& results);

// The results commands on an event (its header current). False when no page
// was made (the user was told why).
bool event_results_report(State& state, int report_type, int division);

}  // namespace quillon
