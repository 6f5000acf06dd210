#include "report/page_frame.h"

#include <cstdint>

#include "core/database.h"
#include "core/dates.h"
#include "core/fixed_text.h"
#include "core/records/system_record.h"
#include "core/state.h"
#include "report/report_writer.h"

namespace quillon {

PageStyle PageStyle::of(const State& state) {
  return PageStyle{(state.system.flags & system_flag::color_reports) != 0};
}

TournamentInformation tournament_information(State& state, int division) {
  const TournamentHeader& h = state.header;
  TournamentInformation info;
  info.name = field_text(h.name);
  info.date = long_date(static_cast<std::uint8_t>(h.date_year), h.date_month, h.date_day);
  int tee = h.division_tee[0] == 0 ? 1 : h.division_tee[0];
  // A failed read is told and counted: run_report drops the page.
  (void)read_record(state, RecordKind::course, tee);
  info.course = field_text(state.course.course_name);
  if (division >= 0 && h.division_count > 1)
    info.suffix = division == 0 ? " - Division : All" : " - Division : " + std::to_string(division);
  return info;
}

void write_page_head(ReportWriter& w, const PageStyle& style) {
  w.line("<html><head>");
  // The page is Windows-1252 text; a phone lays it out at its own width
  // instead of a desktop's, scaled down.
  w.line("<meta charset=\"windows-1252\">");
  w.line("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">");
  w.line("<title>Quillon for Windows - HTML Report</title>");
  w.line("</head>");
  w.line("<body>");
  w.line("<center>");
  if (style.colour) w.line("<h2><font color=#006545>Quillon for Windows</font></h2>");
  else w.line("<h2>Quillon for Windows</h2>");
}

void write_tournament_information(ReportWriter& w, const PageStyle& style, const TournamentInformation& info,
                                  int width) {
  w.report_line("<TABLE cellSpacing=0 cellPadding=3 width=%d border=0>", width);
  w.report_line("<TR align=middle bgColor=%s>", style.heading_colour());
  w.line("<TH align=middle><font color=#ffffff >Tournament Information</font></TH>");
  w.line("</TR>");
  w.line("</TABLE>");
  w.report_line("<TABLE cellSpacing=0 cellPadding=0 width=%d border=0>", width);
  w.report_line("<TR align=middle><TD><font color=%s>%s</font></TD></TR>", style.information_colour(),
                html_text(info.name).c_str());
  w.report_line("<TR align=middle><TD><font color=%s>%s - %s%s</font></TD></TR>", style.information_colour(),
                html_text(info.date).c_str(), html_text(info.course).c_str(), info.suffix.c_str());
  w.line("</TABLE>");
}

void write_rule(ReportWriter& w, const PageStyle& style) {
  w.line(style.colour ? "<hr width=470 color=#006545>" : "<hr width=470>");
}

void write_section_title(ReportWriter& w, const PageStyle& style, const std::string& title) {
  if (style.colour) w.report_line("<h2><font color=#006545>%s</font></h2>", title.c_str());
  else w.report_line("<h2>%s</h2>", title.c_str());
}

void write_page_opening(ReportWriter& w, const PageStyle& style, const std::string& title) {
  write_page_head(w, style);
  write_rule(w, style);
  write_section_title(w, style, title);
}

void write_page_opening(ReportWriter& w, const PageStyle& style, const TournamentInformation& info,
                        const std::string& title) {
  write_page_head(w, style);
  write_tournament_information(w, style, info);
  write_rule(w, style);
  write_section_title(w, style, title);
}

void write_page_footer(ReportWriter& w, bool html_end) {
  w.line("<br>");
  w.line("<font face=Arial size=2><center>");
  w.line("");
  w.line("<address>");
  w.line("Tolvane Systems Inc.<br>");
  w.line("1200 Fairway Drive, Suite 4, Lakeside<br>");
  w.line("Tel : 555-0142<br>");
  w.line("www.quillon-golf.example<br>");
  w.line("<br>");
  w.line("</address></font>");
  w.line("</center>");
  w.line("</body>");
  if (html_end) w.line("</html>");
}

}  // namespace quillon
