#include "report/aces_and_deuces_page.h"

#include "core/messages.h"
#include "core/state.h"
#include "report/page_frame.h"
#include "report/report_page.h"
#include "report/report_table.h"
#include "report/report_writer.h"
#include "scoring/aces_and_deuces.h"

namespace quillon {

bool aces_and_deuces_report(State& state, int division) {
  Result<AcesAndDeuces> read = find_aces_and_deuces(state, division);
  if (!read) return false;
  const AcesAndDeuces& found = *read;
  if (found.without_scores > 0)
    message_box(state, message_kind::information,
                "Scores have not yet been entered for %d golfers.  Golfers for whom scores have not been entered "
                "have been omitted from the report.",
                found.without_scores);

  const PageStyle style = PageStyle::of(state);
  const TournamentInformation info = tournament_information(state, division);
  ReportWriter w;
  if (!open_report_page(state, w)) return true;  // show_report_page tells the user
  write_page_opening(w, style, info, "Aces & Deuces");
  open_table(w, 470);
  write_header_row(w, style, {header_cell("Hole"), header_cell("Golfer", true), header_cell("Ace or Deuce")});
  write_empty_row(w);
  for (const HoleFeat& ace : found.aces)
    w.report_line("<tr align=middle><td align = middle>%d</td><td align=left>%s</td><td align = middle>Ace</td></tr>",
                  ace.hole, html_text(ace.golfer).c_str());
  for (const HoleFeat& deuce : found.deuces)
    w.report_line("<tr align=middle><td align = middle>%d</td><td align=left>%s</td><td align = middle>Deuce</td></tr>",
                  deuce.hole, html_text(deuce.golfer).c_str());
  close_table(w);
  w.line("<br>");
  w.report_line("Total number of Aces = %d<br>", static_cast<int>(found.aces.size()));
  w.report_line("Total number of Deuces = %d<br>", static_cast<int>(found.deuces.size()));
  write_page_footer(w, false);
  return true;
}

}  // namespace quillon
