#include "report/results_rows.h"

#include <algorithm>
#include <cstdio>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "handicap/callaway.h"
#include "handicap/course_handicap.h"
#include "handicap/hole_row.h"
#include "handicap/stableford.h"
#include "handicap/tee_values.h"
#include "report/report_writer.h"
#include "scoring/division_tees.h"
#include "scoring/format_rules.h"
#include "scoring/results.h"
#include "tournament/field.h"

namespace quillon {

namespace {

std::string td(int value) { return "<TD>" + std::to_string(value) + "</TD>"; }
std::string td(const std::string& text) { return "<TD>" + text + "</TD>"; }

// A team's result; a team short of balls shows what it played, marked "*".
std::string team_total_text(const TeamScore& team) {
  if (team.missing_total() == 0) return std::to_string(team.total);
  return std::to_string(team.played_total()) + "*";
}
std::string name_td(const std::string& html) { return "<TD align=left>" + html + "</TD>"; }

std::string tenths(int value, int places) {
  char text[32];
  if (places == 2) std::snprintf(text, sizeof text, "%d.%02d", value / 100, std::abs(value % 100));
  else if (value % 10 == 0) std::snprintf(text, sizeof text, "%d", value / 10);
  else std::snprintf(text, sizeof text, "%d.%d", value / 10, std::abs(value % 10));
  return text;
}

std::string signed_text(int value) { return value > 0 ? "+" + std::to_string(value) : std::to_string(value); }

class RowsWriter {
 public:
  RowsWriter(ReportWriter& w, State& state, const Results& results, ResultsLayout layout)
      : w_(w), state_(state), h_(state.header), r_(results), layout_(layout) {
    // A failed read is told and counted: run_report drops the page.
    (void)tees_.load(state);
  }

  void run() {
    const bool spaced = one_row_per_result(layout_, format(), r_.report_type);
    int written = 0;
    auto next = [&] {
      if (spaced && ++written % 5 == 0) w_.line("<tr><td>&nbsp;</td></tr>");
    };
    if (layout_ == ResultsLayout::alternating) {
      for (const AlternatingPlace& place : r_.places) {
        alternating_row(place);
        next();
      }
      return;
    }
    for (const ResultRow& row : r_.rows) {
      result_rows(row);
      next();
    }
  }

 private:
  Format format() const { return format_of(h_); }
  char sex_of(const GolferEntry& e) const { return entry_gender(state_, e.gender); }
  const CourseRecord& tee_of(const GolferEntry& e) const { return tees_.of(e.division); }
  int hole_count(const GolferEntry& e) const { return tee_values::hole_count(tee_of(e)); }

  void row(const std::string& cells) { w_.line("<TR align=middle><TD></TD>" + cells + "</TR>"); }

  // The names of a team's members, one per line; a golfer's own name otherwise.
  std::string name_html(const ResultRow& r) {
    if (!r.team) return html_text(r.name);
    std::string names;
    for (const std::string& name : member_names(r.group)) names += (names.empty() ? "" : "<br>") + html_text(name);
    return names;
  }

  std::vector<std::string> member_names(int group) {
    std::vector<std::string> names;
    for (const GolferEntry& member : members(group)) names.push_back(field_text(member.name));
    return names;
  }

  std::vector<GolferEntry> members(int group) {
    // A failed read is told and counted: run_report drops the page.
    (void)read_record(state_, RecordKind::group, group);
    std::vector<GolferEntry> list;
    const int size = group_size_of(h_);
    for (int slot = 1; slot <= size; ++slot)
      if (state_.group.entries[slot - 1].name[0] != '\0') list.push_back(state_.group.entries[slot - 1]);
    return list;
  }

  void alternating_row(const AlternatingPlace& place) {
    const ResultRow& r = r_.rows[place.row];
    const GolferEntry& e = r.entry;
    const int gross = r.team ? r.team->gross_total : e.gross_score;
    const int net = r.team ? r.team->total : e.net_score;
    const std::string handicap = r.team ? "" : handicap_report_text(scored_handicap(h_, e));
    w_.report_line(place.gross ? "<TR align=middle><TD></TD><TD>%d G</TD><TD align=left>%s</TD><TD>%d</TD><TD>%s</TD>"
                                 "<TD>%d</TD></TR>"
                               : "<TR align=middle><TD></TD><TD>%d N</TD><TD align=left>%s</TD><TD>%d</TD><TD>%s</TD>"
                                 "<TD>%d</TD></TR>",
                   place.place, html_text(r.name).c_str(), gross, handicap.c_str(), net);
  }

  void result_rows(const ResultRow& r) {
    const GolferEntry& e = r.entry;
    const std::string lead = td(r.rank) + name_td(name_html(r));
    switch (layout_) {
      case ResultsLayout::alternating: return;
      case ResultsLayout::hole_by_hole: return hole_by_hole(r);
      case ResultsLayout::team_best_ball: return team_block(r);
      case ResultsLayout::team_points: {
        int front = 0, back = 0;
        for (int hole = 0; hole < 18; ++hole) (hole < 9 ? front : back) += r.team ? r.team->row[hole] : 0;
        return row(lead + td(front) + td(back) + td(r.team ? r.team->total : e.net_score));
      }
      case ResultsLayout::ambrose: {
        const int gross = r.team ? r.team->total + e.team_handicap : e.gross_score;
        return row(lead + td(gross) + td(handicap_report_text(e.team_handicap)) +
                   td(r.team ? r.team->total : e.net_score));
      }
      case ResultsLayout::gross_only: return row(lead + td(e.gross_score));
      case ResultsLayout::system36:
        return row(lead + td(e.gross_score) + td(e.adjusted_gross) + td(handicap_report_text(scored_handicap(h_, e))) +
                   td(e.net_score));
      case ResultsLayout::callaway: return callaway(r, lead);
      case ResultsLayout::stableford:
      case ResultsLayout::net_allowance:
        return row(lead + td(e.gross_score) + td(index_report_text(e.handicap_index)) +
                   td(handicap_report_text(e.course_hcap)) +
                   td(std::to_string(division_allowance_of(h_, e.division)) + "%") +
                   td(handicap_report_text(e.playing_hcap)) + td(e.net_score));
      case ResultsLayout::peoria:
        return row(lead + td(e.gross_score) + td(handicap_report_text(scored_handicap(h_, e))) + td(e.net_score));
      case ResultsLayout::best_holes:
        return row(lead + td(e.gross_score) + td(handicap_report_text(e.course_hcap)) + td(signed_text(e.net_score)));
      case ResultsLayout::individual: {
        int course = golfer_course_handicap(h_, tee_of(e), e.handicap_index, sex_of(e), e.division);
        return row(lead + td(e.gross_score) + td(index_report_text(e.handicap_index)) +
                   td(handicap_report_text(course)) + td(e.net_score));
      }
    }
  }

  void callaway(const ResultRow& r, const std::string& lead) {
    const GolferEntry& e = r.entry;
    HoleScores card = hole_scores_of(e);
    if (format() == Format::callaway_scramble && group_size_of(h_) > 1) {
      // A failed read is told and counted: run_report drops the page.
      (void)read_record(state_, RecordKind::group, r.group);
      card = scramble_team_card(state_.group, group_size_of(h_));
    }
    const bool nine = format() == Format::callaway_nine;
    ComputedResult c = nine ? score_callaway9(card, sex_of(e), tee_of(e), h_)
                            : score_callaway(format(), card, sex_of(e), tee_of(e), h_);
    std::string worst;
    for (int score : c.deducted_scores) worst += (worst.empty() ? "" : ", ") + std::to_string(score);
    const std::string adjustment =
        nine ? (c.adjustment > 0 ? "+" : "") + tenths(c.adjustment, 1) : signed_text(c.adjustment);
    row(lead + td(c.gross) + td(c.adjusted_gross) + td(tenths(c.deduction, nine ? 2 : 1)) + td(worst) + td(adjustment) +
        td(handicap_report_text(c.handicap)) + td(c.net));
  }

  // Holes 1..18 of a row of values with out, in and total. A score of 0 or
  // less (points: below 0) is no value; a row without any value, such as a
  // scramble member whose team plays one card, leaves its totals blank too.
  std::string hole_values(const std::array<int, 18>& values, const GolferEntry& e, bool colour, bool points = false) {
    std::string cells;
    int out = 0, in = 0;
    bool any = false;
    for (int hole = 1; hole <= 18; ++hole) {
      const int v = values[hole - 1];
      const bool played = hole <= hole_count(e) && (points ? v >= 0 : v > 0) && v != missing_ball;
      any = any || played;
      if (played) (hole <= 9 ? out : in) += v;
      if (!played) cells += "<td></td>";
      else if (colour) cells += hole_cell(v, tee_values::par(tee_of(e), sex_of(e), hole));
      else cells += "<td>" + std::to_string(v) + "</td>";
      if (hole == 9) cells += any ? td(out) : "<TD></TD>";
    }
    return any ? cells + td(in) + td(out + in) : cells + "<TD></TD><TD></TD>";
  }

  // A team short of balls: each hole shows what was played, marked "*" where
  // a ball was missing ("-*" when none was played); the sums likewise.
  static std::string incomplete_team_values(const TeamScore& team) {
    std::string cells;
    int out = 0, in = 0;
    bool out_short = false, in_short = false;
    auto text = [](int value, bool short_of_balls) {
      return short_of_balls ? (value > 0 ? std::to_string(value) : std::string("-")) + "*" : std::to_string(value);
    };
    for (int hole = 1; hole <= 18; ++hole) {
      if (hole > team.hole_count) {
        cells += "<td></td>";
      } else {
        const int played = team.played_value(hole - 1);
        const bool short_of_balls = team.missing[hole - 1] > 0;
        (hole <= 9 ? out : in) += played;
        (hole <= 9 ? out_short : in_short) |= short_of_balls;
        cells += "<td>" + text(played, short_of_balls) + "</td>";
      }
      if (hole == 9) cells += td(text(out, out_short));
    }
    return cells + td(text(in, in_short)) + td(text(out + in, out_short || in_short));
  }

  static std::array<int, 18> scores_of(const GolferEntry& e) {
    std::array<int, 18> values{};
    for (int i = 0; i < 18; ++i) values[i] = e.hole_scores[i];
    return values;
  }

  void hole_by_hole(const ResultRow& r) {
    if (r.team && format_traits(format()).team_play != TeamPlay::lowest_card) return team_block(r);
    const GolferEntry& e = r.entry;
    std::string cells = td(r.rank) + name_td(name_html(r)) + hole_values(scores_of(e), e, true);
    const bool points_lines = r_.report_type == report_type::hole_by_hole_points && is_individual_stableford(format());
    if (points_lines) {
      row(cells + "<TD></TD>");
      return stableford_lines(e);
    }
    if (format() != Format::gross) cells += td(e.net_score);
    row(cells);
  }

  void stableford_lines(const GolferEntry& e) {
    GolferEntry with_sex = e;
    with_sex.gender = sex_of(e);
    StablefordResult s = score_stableford(format(), with_sex, tee_of(e), h_, state_.system);
    std::array<int, 18> net{}, points{};
    for (int i = 0; i < 18; ++i) {
      net[i] = s.net_row[i];
      points[i] = s.points_row[i];
    }
    row("<TD></TD>" + name_td("Net") + hole_values(net, e, false) + "<TD></TD>");
    std::string point_cells;
    int out = 0, in = 0;
    for (int hole = 1; hole <= 18; ++hole) {
      const bool played = hole <= hole_count(e);
      if (played) (hole <= 9 ? out : in) += points[hole - 1];
      point_cells += played ? td(points[hole - 1]) : "<td></td>";
      if (hole == 9) point_cells += td(out);
    }
    row("<TD></TD>" + name_td("Points") + point_cells + td(in) + td(out + in) + td(s.points));
    w_.line("<tr><td>&nbsp;</td></tr>");
  }

  void team_block(const ResultRow& r) {
    bool first = true;
    for (const GolferEntry& member : members(r.group)) {
      row((first ? td(r.rank) : "<TD></TD>") + name_td(html_text(field_text(member.name))) +
          hole_values(scores_of(member), member, true));
      first = false;
    }
    if (r.team) {
      const bool points = format_traits(format()).team_play == TeamPlay::stableford_points;
      std::string cells = r.team->missing_total() > 0 ? incomplete_team_values(*r.team)
                                                      : hole_values(r.team->row, r.entry, false, points);
      // The team result may differ from the sum of the row (the card's net for the scramble-card teams).
      cells = cells.substr(0, cells.rfind("<TD>")) + td(team_total_text(*r.team));
      row("<TD></TD>" + name_td(points ? "Team Points" : "Team Totals") + cells);
    }
    w_.line("<tr><td>&nbsp;</td></tr>");
  }

  ReportWriter& w_;
  State& state_;
  const TournamentHeader& h_;
  const Results& r_;
  ResultsLayout layout_;
  DivisionTees tees_;
};

}  // namespace

std::string hole_cell(int score, int par) {
  if (score <= 0) return "<td></td>";
  if (score < par) return "<td><font color=#FF0000>" + std::to_string(score) + "</font></td>";
  if (score == par) return "<td><font color=#0000FF>" + std::to_string(score) + "</font></td>";
  return "<td>" + std::to_string(score) + "</td>";
}

int scored_handicap(const TournamentHeader& header, const GolferEntry& golfer) {
  return plays_computed_handicap(header, golfer.division) ? golfer.handicap_index / 10 : golfer.playing_hcap;
}

void write_results_rows(ReportWriter& w, State& state, const Results& results, ResultsLayout layout) {
  RowsWriter(w, state, results, layout).run();
}

}  // namespace quillon
