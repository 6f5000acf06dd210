#include "report/scoring_report.h"

#include <algorithm>
#include <cstdio>
#include <functional>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "handicap/course_handicap.h"
#include "handicap/stroke_allocation.h"
#include "handicap/tee_values.h"
#include "report/page_frame.h"
#include "report/report_page.h"
#include "report/report_table.h"
#include "report/report_writer.h"
#include "scoring/format_rules.h"
#include "scoring/score_golfer.h"
#include "tournament/field.h"

namespace quillon {

namespace {

// The strokes a scored golfer receives over the round: the day's handicap in
// the computed formats, else the playing handicap of the division.
int round_handicap(const TournamentHeader& h, const GolferEntry& golfer) {
  return plays_computed_handicap(h, golfer.division) ? golfer.handicap_index / 10 : golfer.playing_hcap;
}

void add_card(ScoringSummary& summary, const TournamentHeader& h, const GolferEntry& golfer, const CourseRecord& tee,
              char sex, bool net) {
  GolferScoring card;
  card.name = field_text(golfer.name);
  const int handicap = net ? round_handicap(h, golfer) : 0;
  const int holes = std::min(tee_values::hole_count(tee), static_cast<int>(summary.holes.size()));
  for (int hole = 1; hole <= holes; ++hole) {
    const int score = golfer.hole_scores[hole - 1];
    const int strokes =
        net ? strokes_on_hole(tee_values::stroke_index(tee, sex, hole), handicap, tee_values::hole_count(tee)) : 0;
    const int cls = score_class(score, tee_values::par(tee, sex, hole), strokes);
    HoleScoring& row = summary.holes[hole - 1];
    ++row.counts[cls];
    const int value = score - strokes;
    row.low = row.cards == 0 ? value : std::min(row.low, value);
    row.high = row.cards == 0 ? value : std::max(row.high, value);
    row.strokes += score;
    ++row.cards;
    if (cls == eagle_or_better) ++card.eagles;
    if (cls == birdie) ++card.birdies;
    if (cls == par_class) ++card.pars;
  }
  summary.cards.push_back(card);
}

void write_hole_table(ReportWriter& w, const PageStyle& style, const ScoringSummary& summary) {
  w.report_line("<h3><font color=%s>Per Hole Scoring Summary</font></h3>", style.heading_colour());
  open_table(w, 590);
  std::vector<std::string> cells;
  for (const char* caption :
       {"Hole", "Par", "Eagles", "Birdies", "Pars", "Bogeys", "Doubles", "Others", "Avg", "Low", "High"})
    cells.push_back(header_cell(caption));
  write_header_row(w, style, cells);
  write_empty_row(w);
  for (const HoleScoring& hole : summary.holes) {
    std::vector<std::string> row = {number_cell(std::to_string(hole.hole)), number_cell(std::to_string(hole.par))};
    for (int count : hole.counts) row.push_back(number_cell(std::to_string(count)));
    const double average = hole.cards == 0 ? 0.0 : static_cast<double>(hole.strokes) / hole.cards;
    char text[32];
    std::snprintf(text, sizeof text, "%4.1f", average);
    row.push_back(number_cell(text));
    row.push_back(number_cell(std::to_string(hole.low)));
    row.push_back(number_cell(std::to_string(hole.high)));
    write_data_row(w, row);
  }
  close_table(w);
}

void write_golfer_table(ReportWriter& w, const PageStyle& style, const ScoringSummary& summary) {
  using Count = std::function<int(const GolferScoring&)>;
  const std::vector<std::pair<const char*, Count>> categories = {
      {"Most Eagles", [](const GolferScoring& g) { return g.eagles; }},
      {"Most Birdies", [](const GolferScoring& g) { return g.birdies; }},
      {"Most Pars", [](const GolferScoring& g) { return g.pars; }},
      {"Most Sub Par Holes", [](const GolferScoring& g) { return g.eagles + g.birdies; }},
      {"Most Sub Bogey Holes", [](const GolferScoring& g) { return g.eagles + g.birdies + g.pars; }},
  };
  w.report_line("<h3><font color=%s>Individual Golfer Scoring Data</font></h3>", style.heading_colour());
  open_table(w, 590);
  write_header_row(w, style, {header_cell("Category", true), header_cell("Quantity"), header_cell("Golfer(s)", true)});
  write_empty_row(w);
  for (const auto& [category, count] : categories) {
    int most = 0;
    for (const GolferScoring& g : summary.cards) most = std::max(most, count(g));
    std::string names;
    if (most > 0)
      for (const GolferScoring& g : summary.cards)
        if (count(g) == most) names += (names.empty() ? "" : "<br>") + html_text(g.name);
    // Top-aligned, so that a category stands beside the first of its names
    // rather than level with the middle one, next to the row above.
    w.line("<tr align=middle valign=top><td align=left>" + std::string(category) + "</td>" +
           number_cell(std::to_string(most)) + (names.empty() ? empty_cell() : "<td align=left>" + names + "</td>") +
           "</tr>");
  }
  close_table(w);
}

}  // namespace

int score_class(int score, int par, int strokes) { return std::clamp(score - par - strokes + 2, 0, 5); }

Result<ScoringSummary> summarise_scoring(State& state, bool net) {
  ScoringSummary summary;
  const TournamentHeader& h = state.header;
  const CourseRecord first_tee = division_tee(state, 1, state.course);
  const char first_sex = entry_gender(state, h.default_gender);
  for (int hole = 1; hole <= tee_values::hole_count(first_tee); ++hole) {
    HoleScoring row;
    row.hole = hole;
    row.par = tee_values::par(first_tee, first_sex, hole);
    summary.holes.push_back(row);
  }

  const int group_size = group_size_of(h);
  for (int g = 1; g <= h.group_count; ++g) {
    if (Status read = read_record(state, RecordKind::group, g); !read) return read;
    for (int slot = 1; slot <= group_size; ++slot) {
      const GolferEntry& golfer = state.group.entries[slot - 1];
      if (golfer.name[0] == '\0') continue;
      ++summary.golfers;
      if (golfer.hole_scores[0] == 0) {
        ++summary.without_scores;
        continue;
      }
      const CourseRecord tee = division_tee(state, golfer.division);
      if (!score_golfer_on_tee(state, slot, tee, CardMessages::quiet)) continue;
      if (first_missing_hole(golfer, tee_values::hole_count(tee)) != 0) continue;
      add_card(summary, h, golfer, tee, entry_gender(state, golfer.gender), net);
    }
  }
  return summary;
}

bool print_scoring_report(State& state, bool net) {
  Result<ScoringSummary> summarised = summarise_scoring(state, net);
  if (!summarised) return false;
  const ScoringSummary& summary = *summarised;
  if (summary.golfers == 0) {
    not_done_box(state, message_kind::warning, "No golfers are entered in the tournament.");
    return false;
  }
  if (summary.without_scores > 0)
    message_box(state, message_kind::warning,
                "Scores have not yet been entered for %d golfers.  Golfers for whom scores have not been entered "
                "have been omitted from the report.",
                summary.without_scores);
  if (summary.without_scores == summary.golfers) return false;

  const PageStyle style = PageStyle::of(state);
  const TournamentInformation info = tournament_information(state);
  ReportWriter w;
  if (!open_report_page(state, w)) return true;  // show_report_page tells the user
  write_page_opening(w, style, info, "Tournament Scoring Report");
  write_hole_table(w, style, summary);
  write_golfer_table(w, style, summary);
  write_page_footer(w, false);
  return true;
}

}  // namespace quillon
