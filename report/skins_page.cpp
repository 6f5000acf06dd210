#include "report/skins_page.h"

#include "core/messages.h"
#include "core/state.h"
#include "report/page_frame.h"
#include "report/report_page.h"
#include "report/report_table.h"
#include "report/report_writer.h"
#include "scoring/skins.h"

namespace quillon {

namespace {

void write_hole(ReportWriter& w, const SkinsHole& hole, bool show_halves) {
  w.line("<tr><td>&nbsp;</td></tr>");
  std::string who =
      hole.holders == 1 ? html_text(hole.winner) : "Halved by " + std::to_string(hole.holders) + " golfers";
  w.report_line("<tr><td align=middle>%2d</td><td>%-25s</td><td align=middle>%d</td><td align=middle>%2d</td></tr>",
                hole.hole, who.c_str(), hole.par, hole.low);
  if (!show_halves) return;
  for (const std::string& name : hole.halved_by)
    w.report_line("<tr><td></td><td>%-25s</td><td></td><td></td></tr>", html_text(name).c_str());
}

}  // namespace

bool skins_report(State& state, bool net, int division, bool show_halves) {
  SkinsResult skins = compute_skins(state, net, division);
  if (skins.stopped) return false;
  if (skins.without_scores > 0)
    message_box(state, message_kind::information,
                "Scores have not yet been entered for %d golfers.  Golfers for whom scores have not been entered "
                "have been omitted from the report.",
                skins.without_scores);
  if (!skins.incomplete_cards.empty()) {
    std::string names;
    for (const std::string& name : skins.incomplete_cards) names += "\n" + name;
    message_box(state, message_kind::information,
                "The cards of these golfers are incomplete or hold a hole score above 15; they have been left out "
                "of the skins:%s",
                names.c_str());
  }
  if (skins.participants == 0) {
    if (skins.without_scores == 0 && skins.incomplete_cards.empty())
      not_done_box(state, message_kind::information,
                   "In the selected tournament there were not any golfers who entered the skins competition");
    return false;
  }

  const PageStyle style = PageStyle::of(state);
  const TournamentInformation info = tournament_information(state, division);
  ReportWriter w;
  if (!open_report_page(state, w)) return true;  // show_report_page tells the user
  write_page_opening(w, style, info, net ? "Skins Results - Net Scores" : "Skins Results - Gross Scores");
  open_table(w, 470);
  write_header_row(w, style,
                   {header_cell("Hole"), header_cell("Skin Winner", true), header_cell("Par"), header_cell("Score")});
  for (const SkinsHole& hole : skins.holes) write_hole(w, hole, show_halves);
  close_table(w);
  w.report_line("<br><br><center>%d of %d golfers participated in the skins event<br><br></center>", skins.participants,
                skins.event_golfers);
  write_page_footer(w, false);
  return true;
}

}  // namespace quillon
