#include "report/flights_by_score_page.h"

#include "core/dispatch.h"
#include "core/state.h"
#include "core/text.h"
#include "report/page_frame.h"
#include "report/report_page.h"
#include "report/report_writer.h"
#include "report/results_layout.h"
#include "report/results_page.h"
#include "report/results_rows.h"
#include "scoring/results.h"
#include "scoring/tie_break_text.h"
#include "tournament/flights.h"
#include "tournament/tournament_selection.h"

namespace quillon {

bool flights_by_score_report(State& state, int flights, bool extra_to_last) {
  Results ranked = ranked_field_for_flights(state, 0);
  if (!ranked.produced) return false;
  ReportWriter w;
  if (!open_report_page(state, w)) return true;  // show_report_page tells the user

  const PageStyle style = PageStyle::of(state);
  const TournamentHeader& h = state.header;
  write_page_head(w, style);
  write_tournament_information(w, style, tournament_information(state));
  write_rule(w, style);
  w.line(results_heading_line(h, ranked, style.colour));
  const ResultsLayout layout = choose_results_layout(format_of(h), report_type::traditional);
  const std::vector<HeaderCell> cells = results_header_cells(layout, h, report_type::traditional);
  const int width = results_table_width(format_of(h));

  const std::vector<int> sizes = flight_sizes(static_cast<int>(ranked.rows.size()), flights, extra_to_last);
  std::size_t next = 0;
  for (int flight = 1; flight <= flights; ++flight) {
    Results part = ranked;
    part.report_type = report_type::traditional;
    const auto size = static_cast<std::size_t>(sizes[static_cast<std::size_t>(flight - 1)]);
    part.rows.assign(ranked.rows.begin() + static_cast<std::ptrdiff_t>(next),
                     ranked.rows.begin() + static_cast<std::ptrdiff_t>(next + size));
    next += size;
    assign_ranks(part.rows);
    write_section_title(w, style, format_text(40, "Flight %d", flight));
    w.report_line("<TABLE cellSpacing=0 cellPadding=0 width=%d border=0>", width);
    w.line(results_header_row(cells, style));
    w.line("<tr><td>&nbsp;</td></tr>");
    write_results_rows(w, state, part, layout);
    w.line("</TABLE><br>");
  }
  if (!ranked.disqualified.empty()) {
    w.line("<br>The following golfers were disqualified and excluded from the results:<br>");
    for (const std::string& name : ranked.disqualified) w.line(html_text(name) + "<br>");
  }
  for (const std::string& line : print_tie_break_explanation(state)) w.line(line);
  write_page_footer(w, true);
  return true;
}

Status run_flights_by_score(State& state) {
  if (!check_precondition(state, Precondition::a_tournament) || select_tournament(state, TournamentList::days) == 0)
    return Status::told();
  FlightSettingsModel settings(state, state.system.default_flight_count);
  if (!state.ui.run_dialog(settings)) return Status::told();
  const int flights = settings.flights();
  const bool extra_to_last = settings.extra_to_last();
  return run_report(state, [&](State& s) { return flights_by_score_report(s, flights, extra_to_last); });
}

}  // namespace quillon
