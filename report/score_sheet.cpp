#include "report/score_sheet.h"

#include <string>

#include "core/fixed_text.h"
#include "core/state.h"
#include "core/text.h"
#include "handicap/course_handicap.h"
#include "handicap/stableford.h"
#include "handicap/stroke_allocation.h"
#include "handicap/tee_values.h"
#include "report/field_golfers.h"
#include "report/page_frame.h"
#include "report/report_table.h"
#include "report/report_writer.h"
#include "tournament/field.h"

namespace quillon {

namespace {

// " %2d", red below par, blue above; " --" for a hole without a score.
std::string hole_text(int shown, int score, int par) {
  if (score == 0) return " --";
  std::string text = format_text(8, " %2d", shown);
  if (shown < par) return "<font color=#FF0000>" + text + "</font>";
  if (shown > par) return "<font color=#0000FF>" + text + "</font>";
  return text;
}

struct GolferScores {
  std::string front, back;
  int out = 0, in = 0, gross = 0;
  bool any = false;
};

GolferScores scores_of(const GolferEntry& e, const CourseRecord& tee, char sex, int playing, bool net) {
  GolferScores s;
  int holes = tee_values::hole_count(tee);
  for (int hole = 1; hole <= holes; ++hole) {
    int score = e.hole_scores[hole - 1];
    int shown = net && score > 0 ? net_hole_score(tee, score, sex, hole, playing) : score;
    std::string text = hole_text(shown, score, tee_values::par(tee, sex, hole));
    (hole <= 9 ? s.front : s.back) += text;
    (hole <= 9 ? s.out : s.in) += shown;
    s.gross += score;
    if (score > 0) s.any = true;
  }
  return s;
}

}  // namespace

void write_score_sheet(State& state, ReportWriter& w, const PageStyle& style, const FieldDivisionTees& tees, bool net) {
  const TournamentHeader& h = state.header;
  open_table(w, 640);
  write_header_row(w, style,
                   {header_cell("Group<br>Time"), header_cell("Golfer<br>HC Index (tee)", true),
                    header_cell("<---Front 9 Scores---><br><---Back 9 Scores--->", true), header_cell("Out<br>In"),
                    header_cell("Gross<br>Crs Hcap"), header_cell("Net"), header_cell("Points")});
  write_empty_row(w);
  int last_group = 0;
  for (const auto& g : named_golfers(state)) {
    GolferEntry e = g.entry;
    e.gender = entry_gender(state, e.gender);
    const CourseRecord& tee = tees.of(e.division);
    std::string group_cell = empty_cell();
    if (g.group != last_group) {
      std::string start = group_start(state, g.group);
      group_cell = number_cell(format_text(8, "%03d", g.group) + (start.empty() ? "" : "<br>" + start));
      last_group = g.group;
    }
    int course = report_course_handicap(state, tees, e);
    int playing = playing_handicap(course, division_allowance_of(h, e.division));
    GolferScores s = scores_of(e, tee, e.gender, playing, net);
    std::string index = index_column_text(e.handicap_index) + "    (" + html_text(field_text(tee.tee_name)) + ")";

    std::vector<std::string> cells = {group_cell,
                                      "<td align=left>" + html_text(field_text(e.name)) + "<br>" + index + "</td>",
                                      "<td align=left>" + s.front + "<br>" + s.back + "</td>"};
    if (s.any) {
      cells.push_back(number_cell(format_text(16, "%d<br>%d", s.out, s.in)));
      cells.push_back(number_cell(std::to_string(s.gross) + "<br>" + handicap_report_text(course)));
      cells.push_back(number_cell(std::to_string(s.gross - playing)));
      cells.push_back(scores_points(format_of(h))
                          ? number_cell(std::to_string(score_stableford(format_of(h), e, tee, h, state.system).points))
                          : empty_cell());
    } else {
      cells.push_back(empty_cell());
      cells.push_back(number_cell("&nbsp;<br>" + handicap_report_text(course)));
      cells.push_back(empty_cell());
      cells.push_back(empty_cell());
    }
    write_data_row(w, cells);
  }
  close_table(w);
}

}  // namespace quillon
