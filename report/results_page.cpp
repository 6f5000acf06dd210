#include "report/results_page.h"

#include <algorithm>

#include "core/state.h"
#include "report/page_frame.h"
#include "report/report_page.h"
#include "report/report_writer.h"
#include "report/results_columns.h"
#include "report/results_rows.h"
#include "scoring/results.h"
#include "scoring/tie_break_text.h"

namespace quillon {

namespace {

std::string span_attribute(const HeaderCell& cell) {
  return cell.span > 1 ? " colspan=" + std::to_string(cell.span) : "";
}

void write_notes(ReportWriter& w, State& state, const Results& results) {
  if (!results.disqualified.empty()) {
    w.line("<br>The following golfers were disqualified and excluded from the results:<br>");
    for (const std::string& name : results.disqualified) w.line(html_text(name) + "<br>");
  }
  if (!results.incomplete_cards.empty()) {
    w.line(
        "<br>The cards of the following golfers are incomplete or hold a hole score above 15; they were left out "
        "of the results:<br>");
    for (const std::string& name : results.incomplete_cards) w.line(html_text(name) + "<br>");
  }
  const bool short_team = std::any_of(results.rows.begin(), results.rows.end(),
                                      [](const ResultRow& r) { return r.team && r.team->missing_total() > 0; });
  if (short_team)
    w.line(
        "<br>* A team short of balls: the values shown are those played.  Each missing ball counts 99, so such "
        "teams are placed after the complete teams.<br>");
  for (const std::string& line : print_tie_break_explanation(state)) w.line(line);
}

}  // namespace

std::string results_header_row(const std::vector<HeaderCell>& cells, const PageStyle& style) {
  std::string row = std::string("<TR align=middle bgColor=") + style.heading_colour() + ">";
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i == 0) {
      row += "<TH width=1></TH>";
      continue;
    }
    const std::string& caption = cells[i].caption;
    row += "<TH align=middle" + span_attribute(cells[i]) + "><font color=#ffffff>" +
           (caption.empty() ? "&nbsp;" : caption) + "</font></TH>";
  }
  return row + "</TR>";
}

std::string blank_header_row(const std::vector<HeaderCell>& cells) {
  std::string row = "<TR>";
  for (std::size_t i = 0; i < cells.size(); ++i)
    row += i == 0 ? "<TH width=1></TH>" : "<TH" + span_attribute(cells[i]) + "></TH>";
  return row + "</TR>";
}

void write_results_page(ReportWriter& w, State& state, const Results& results, bool tv, const ScrollSettings& scroll) {
  const PageStyle style = PageStyle::of(state);
  const TournamentHeader& h = state.header;
  write_page_head(w, style);
  write_tournament_information(w, style, tournament_information(state, results.division));
  write_rule(w, style);
  w.line(results_heading_line(h, results, style.colour));

  const ResultsLayout layout = choose_results_layout(format_of(h), results.report_type);
  const std::vector<HeaderCell> cells = results_header_cells(layout, h, results.report_type);
  const int width = results_table_width(format_of(h));
  const std::vector<std::string> tv_table = fixed_table_lines(cells, width);
  if (tv)
    for (const std::string& line : tv_table) w.line(line);
  else w.report_line("<TABLE cellSpacing=0 cellPadding=0 width=%d border=0>", width);
  w.line(results_header_row(cells, style));
  if (tv) {
    w.line("</TABLE>");
    if (scroll.scrolling())
      w.report_line("<div align=center> <marquee scrollamount=%d direction=up height = %d width=%d> <center>",
                    scroll.amount, scroll.height, width);
    for (const std::string& line : tv_table) w.line(line);
    w.line(blank_header_row(cells));
  } else {
    w.line("<tr><td>&nbsp;</td></tr>");
  }
  write_results_rows(w, state, results, layout);
  w.line("</TABLE><br>");
  if (tv && scroll.scrolling()) w.line("</center></marquee></div>");
  write_notes(w, state, results);
  if (!tv) {
    write_page_footer(w, true);
    return;
  }
  w.line("</center>");
  w.line("</body>");
  w.line("</html>");
}

bool results_report(State& state, int report_type, int division, bool tv) {
  ScrollSettings scroll;
  if (tv) scroll = ask_scroll_settings(state);
  Results results = build_results(state, report_type, division);
  if (!results.produced) return false;
  ReportWriter w;
  if (!open_report_page(state, w)) return true;  // show_report_page tells the user
  write_results_page(w, state, results, tv, scroll);
  return true;
}

}  // namespace quillon
