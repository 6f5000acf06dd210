#include "report/event_results_page.h"

#include <cstdlib>

#include "core/state.h"
#include "core/text.h"
#include "report/page_frame.h"
#include "report/report_page.h"
#include "report/report_writer.h"
#include "scoring/event_results.h"
#include "scoring/format_rules.h"
#include "scoring/tie_break_text.h"
#include "tournament/formats.h"

namespace quillon {

namespace {

constexpr int stroke_table_width = 650;
constexpr int stableford_table_width = 590;
constexpr int information_width = 450;
constexpr int golfers_between_spacers = 5;

std::string header_cell(const std::string& caption, const char* width = nullptr) {
  std::string cell = "<TH align=middle";
  if (width) cell += std::string(" width=") + width;
  return cell + "><font color=#ffffff>" + (caption.empty() ? "&nbsp;" : caption) + "</font></TH>";
}

bool alternating(const EventResults& r) { return r.report_type == report_type::gross_and_net; }

std::string header_row(const EventResults& r, const PageStyle& style) {
  std::string row = std::string("<TR align=middle bgColor=") + style.heading_colour() + "><TH width=1></TH>";
  if (r.stableford && !alternating(r)) {
    row += header_cell("Rank  ") + header_cell("Golfer");
  } else {
    row += header_cell("Rank") + header_cell("", "30") + header_cell("Golfer");
  }
  for (int d = 1; d <= r.day_count; ++d) row += header_cell("R" + std::to_string(d));
  if (r.stableford) row += header_cell("Tot");
  else row += header_cell("Gross") + header_cell("Strokes") + header_cell("Net");
  return row + "</TR>";
}

// Each day's value, or its gross score when `gross`.
std::string day_cells(const EventGolfer& g, int day_count, int from_day, bool gross = false) {
  std::string cells;
  for (int d = from_day; d < day_count; ++d) {
    const EventDayScore& s = g.days[static_cast<std::size_t>(d)];
    cells += s.played ? "<td>" + std::to_string(gross ? s.gross : s.value) + "</td>" : "<td>&nbsp;</td>";
  }
  return cells;
}

std::string stroke_totals(const EventGolfer& g) {
  const int gross = g.gross_total();
  const int net = g.value_total();
  const int strokes = gross - net;
  if (strokes < 0) return format_text(100, "<td>%d</td><td>+%d</td><td>%d</td>", gross, -strokes, net);
  return format_text(100, "<td>%d</td><td>%d</td><td>%d</td>", gross, strokes, net);
}

std::string stroke_row(const EventResults& r, const EventGolfer& g, int place, const char* mark) {
  return format_text(300, "<tr align=middle><td></td><td>%d</td><td>%s</td><td align=left>%s</td>", place, mark,
                     html_text(g.name).c_str()) +
         day_cells(g, r.day_count, 0) + stroke_totals(g) + "</tr>";
}

std::string stableford_row(const EventResults& r, const EventGolfer& g, int place) {
  const EventDayScore& first = g.days[0];
  std::string row =
      format_text(300, "<tr align=middle><td></td><td>%d</td><td align=left>%s</td>", place, html_text(g.name).c_str());
  row += first.played ? "<td>" + std::to_string(first.value) + "</td>" : "<td>&nbsp;</td>";
  return row + day_cells(g, r.day_count, 1) + format_text(40, "<td>%d</td></tr>", g.value_total());
}

// A Stableford event's alternating list: a gross place shows the gross
// scores of the days and their total, a net place the points and theirs.
std::string stableford_alternating_row(const EventResults& r, const EventGolfer& g, int place, bool gross) {
  return format_text(300, "<tr align=middle><td></td><td>%d</td><td>%s</td><td align=left>%s</td>", place,
                     gross ? "G" : "N", html_text(g.name).c_str()) +
         day_cells(g, r.day_count, 0, gross) +
         format_text(40, "<td>%d</td></tr>", gross ? g.gross_total() : g.value_total());
}

void write_rows(ReportWriter& w, const EventResults& r) {
  int written = 0;
  auto spacer = [&] {
    if (++written % golfers_between_spacers == 0) w.line("<tr><td>&nbsp;</td></tr>");
  };
  if (r.report_type == report_type::gross_and_net) {
    for (const AlternatingPlace& p : r.places) {
      const EventGolfer& g = r.golfer_of(r.rows[p.row]);
      w.line(r.stableford ? stableford_alternating_row(r, g, p.place, p.gross)
                          : stroke_row(r, g, p.place, p.gross ? "G" : "N"));
      spacer();
    }
    return;
  }
  for (const ResultRow& row : r.rows) {
    const EventGolfer& g = r.golfer_of(row);
    w.line(r.stableford ? stableford_row(r, g, row.rank) : stroke_row(r, g, row.rank, ""));
    spacer();
  }
}

}  // namespace

std::string event_heading_line(const EventResults& r, bool colour) {
  std::string line = colour ? "<h2><font color=#006545>" : "<h2><font color=#000000>";
  if (r.report_type == report_type::gross_and_net) {
    line += "Alternating Gross & Net Results";
    if (r.gross_limit != 400) line += format_text(100, "<br># of gross positions limited to %d", r.gross_limit);
    if (r.manual_winner_ignored) line += "<br>Low net winner selected by committee";
  } else {
    const char* title =
        r.report_type == report_type::alphabetical ? "Alphabetical Results - "
        : (r.report_type == report_type::hole_by_hole || r.report_type == report_type::hole_by_hole_points)
            ? "Hole by Hole Results - "
            : "Traditional Results - ";
    line += title;
    line += r.mixed_formats ? "Multiple Formats" : format_name(static_cast<Format>(r.format));
    if (r.manual_winner_applied) line += "<br>Winner selected by committee";
  }
  return line + "</font></h2>";
}

void write_event_results_page(ReportWriter& w, State& state, const EventResults& r) {
  const PageStyle style = PageStyle::of(state);
  write_page_head(w, style);
  TournamentInformation info = tournament_information(state);
  info.suffix = r.division == 0 ? " - Division : All" : " - Division : " + std::to_string(r.division);
  write_tournament_information(w, style, info, information_width);
  write_rule(w, style);
  w.line(event_heading_line(r, style.colour));
  w.report_line("<TABLE cellSpacing=0 cellPadding=0 width=%d border=0>",
                r.stableford ? stableford_table_width : stroke_table_width);
  w.line(header_row(r, style));
  w.line("<tr><td>&nbsp;</td></tr>");
  write_rows(w, r);
  w.line("</TABLE><br>");
  // The explanation follows the days' format with the event's method.
  const TournamentHeader event = state.header;
  state.header.format = static_cast<std::uint8_t>(r.format);
  const std::vector<std::string> explanation = print_tie_break_explanation(state);
  state.header = event;
  for (const std::string& line : explanation) w.line(line);
  write_page_footer(w, true);
}

bool event_results_report(State& state, int report_type, int division) {
  EventResults results = build_event_results(state, report_type, division);
  if (!results.produced) return false;
  ReportWriter w;
  if (!open_report_page(state, w)) return true;  // show_report_page tells the user
  write_event_results_page(w, state, results);
  return true;
}

}  // namespace quillon
