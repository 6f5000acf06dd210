#include "report/tournament_list_report.h"

#include <cstdint>
#include <string>
#include <vector>

#include "core/database.h"
#include "core/dates.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "report/page_frame.h"
#include "report/report_page.h"
#include "report/report_table.h"
#include "report/report_writer.h"
#include "tournament/field.h"
#include "tournament/formats.h"

namespace quillon {

namespace {

struct ListedTournament {
  TournamentHeader header;
  std::string course;
  int golfers = 0;
};

Result<std::vector<ListedTournament>> listed_tournaments(State& state) {
  std::vector<ListedTournament> listed;
  for (int t = 1; t <= state.tournament_count; ++t) {
    if (Status read = read_record(state, RecordKind::tournament, t); !read) return read;
    if (tournament_slot_free(state.header) || state.header.format == multi_round_format) continue;
    Result<int> golfers = count_golfers(state);
    if (!golfers) return golfers.status();
    ListedTournament l{state.header, "", *golfers};
    int tee = l.header.division_tee[0] == 0 ? 1 : l.header.division_tee[0];
    if (Status read = read_record(state, RecordKind::course, tee); !read) return read;
    l.course = field_text(state.course.course_name);
    listed.push_back(l);
  }
  return listed;
}

std::string date_of(const TournamentHeader& h) {
  return long_date(static_cast<std::uint8_t>(h.date_year), h.date_month, h.date_day);
}

std::string time_or_empty(int hour, int minute) {
  return hour == 0 && minute == 0 ? "" : format_text(8, "%02d:%02d", hour, minute);
}

void write_summary(ReportWriter& w, const PageStyle& style, const std::vector<ListedTournament>& listed) {
  open_table(w, 800);
  write_header_row(w, style,
                   {header_cell("Date"), header_cell("Tournament", true), header_cell("Course", true),
                    header_cell("Start<br>Time"), header_cell("End<br>Time"), header_cell("Golfers")});
  write_empty_row(w);
  for (const auto& l : listed) {
    const TournamentHeader& h = l.header;
    std::string end = time_or_empty(h.last_tee_hour, h.last_tee_minute);
    if (!end.empty() && h.tee_interval_index == 0) end = "shotgun";
    write_data_row(w, {number_cell(date_of(h)), name_cell(field_text(h.name)), name_cell(l.course),
                       number_cell(time_or_empty(h.first_tee_hour, h.first_tee_minute)), number_cell(end),
                       number_cell(std::to_string(l.golfers))});
  }
  close_table(w);
}

std::string label_cell(const std::string& label) { return "<td align=left><b>" + label + "</b></td>"; }

void write_details(ReportWriter& w, const PageStyle& style, const std::vector<ListedTournament>& listed) {
  open_table(w, 600);
  write_header_row(w, style, {header_cell(""), header_cell(""), header_cell(""), header_cell("")});
  for (const auto& l : listed) {
    const TournamentHeader& h = l.header;
    std::string interval = h.tee_interval_index == 0 ? "Shotgun" : tee_interval_text(h.tee_interval_index) + " minutes";
    std::string span = format_text(16, "%02d:%02d", h.first_tee_hour, h.first_tee_minute) + " to " +
                       format_text(16, "%02d:%02d", h.last_tee_hour, h.last_tee_minute);
    write_data_row(w, {label_cell("Date"), name_cell(date_of(h)), label_cell("Course"), name_cell(l.course)});
    write_data_row(w, {label_cell("Name"), name_cell(field_text(h.name)), label_cell("Format"),
                       name_cell(format_name(format_of(h)))});
    write_data_row(w, {label_cell("Address"), name_cell(field_text(h.address_line1)), label_cell("Golfers"),
                       name_cell(std::to_string(l.golfers))});
    write_data_row(w, {empty_cell(), name_cell(field_text(h.address_line2)), label_cell("Start/End"), name_cell(span)});
    write_data_row(w,
                   {empty_cell(), name_cell(field_text(h.address_line3)), label_cell("Interval"), name_cell(interval)});
    write_data_row(w, {label_cell("Contact"), name_cell(field_text(h.contact)), empty_cell(), empty_cell()});
    write_data_row(w, {label_cell("Tel #"), name_cell(field_text(h.telephone)), empty_cell(), empty_cell()});
    w.line("<tr><td colspan=4><hr></td></tr>");
  }
  close_table(w);
}

}  // namespace

bool print_tournament_list(State& state, bool with_details) {
  Result<std::vector<ListedTournament>> read = listed_tournaments(state);
  if (!read) return false;
  const std::vector<ListedTournament>& listed = *read;
  if (listed.empty()) {
    not_done_box(state, message_kind::information, "No Tournaments defined in database");
    return false;
  }
  ReportWriter w;
  if (!open_report_page(state, w)) return true;
  PageStyle style = PageStyle::of(state);
  write_page_opening(w, style, "Tournament List");
  if (with_details) write_details(w, style, listed);
  else write_summary(w, style, listed);
  write_page_footer(w, false);
  return true;
}

}  // namespace quillon
