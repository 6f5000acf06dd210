#include "scoring/tie_break_text.h"

#include "core/database.h"
#include "core/state.h"
#include "core/text.h"
#include "handicap/stroke_allocation.h"
#include "handicap/tee_values.h"
#include "scoring/format_rules.h"
#include "scoring/tie_break.h"
#include "tournament/field.h"
#include "tournament/header_options.h"

namespace quillon {

namespace {

using Lines = std::vector<std::string>;

std::string fill(const char* format, int a) { return format_text(200, format, a); }
std::string fill(const char* format, int a, int b) { return format_text(200, format, a, b); }

void add(Lines& to, const Lines& lines) { to.insert(to.end(), lines.begin(), lines.end()); }

void add_stroke_lines(Lines& to, bool stableford) {
  to.push_back(stableford ? "When Handicap Strokes were allocated in computing Stableford points,"
                          : "When Handicap Strokes were allocated in computing a net hole score,");
  to.push_back("strokes were allocated in order of precedence using the Handicap Holes");
  to.push_back("as defined in the course database.");
}

Lines with_stroke_lines(Lines lines, bool stableford) {
  add_stroke_lines(lines, stableford);
  return lines;
}

// The Callaway opening, the method's own lines and the stroke lines.
Lines callaway_text(const TournamentHeader& header, const Lines& method_lines) {
  std::string cap = hole_cap_name(header.max_hole_score_index);
  Lines out = {format_text(200, "Scores in excess of %s have been eliminated from the Adjusted", cap.c_str()),
               "Gross Score (Adj). The Net Score has been computed by subtracting the"};
  add(out, method_lines);
  return with_stroke_lines(out, false);
}

Lines count_back(const TournamentHeader& header, TieBreakGroup group, int h) {
  switch (group) {
    case TieBreakGroup::callaway:
      return callaway_text(
          header, {"calculated Handicap from the Adjusted Gross score.",
                   "In the case of ties, the golfer with the lower handicap has been given",
                   "preference.  Remaining ties have been broken by examining the accumulated",
                   fill("net scores after %d holes.  If any ties still existed, net scores were", h - 1),
                   fill("examined after %d holes, %d holes, etc, until all ties had been broken.", h - 2, h - 3)});
    case TieBreakGroup::gross:
      return {
          "Ties have been broken using the 'Countback from 18' method by examining the accumulated gross scores "
          "after",
          fill("%d holes.  If any ties still existed, gross scores were examined after", h - 1),
          fill("%d holes, %d holes, etc, until all ties had been broken.", h - 2, h - 3)};
    case TieBreakGroup::net:
      return with_stroke_lines(
          {"Ties have been broken using the 'Countback from 18' method by examining the accumulated net scores "
           "after",
           fill("%d holes.  If any ties still existed, gross scores were examined after", h - 1),
           fill("%d holes, %d holes, etc, until all ties had been broken.", h - 2, h - 3)},
          false);
    case TieBreakGroup::stableford:
      return with_stroke_lines(
          {"Ties have been broken using the 'Countback from 18' method by examining the accumulated Stableford "
           "points after",
           fill("%d holes.  If any ties still existed, points were examined after", h),
           fill("%d holes, %d holes, etc, until all ties had been broken.", h - 1, h - 2)},
          true);
    case TieBreakGroup::system36:
      return {"In the case of ties, the golfer with the lower handicap has been given preference.",
              "Any remaining ties have been broken using the 'Countback from 18' method by examining the accumulated "
              "net scores after",
              fill("%d holes.  If any ties still existed, gross scores were examined after", h - 1),
              fill("%d holes, %d holes, etc, until all ties had been broken.", h - 2, h - 3)};
    case TieBreakGroup::none: break;
  }
  return {};
}

Lines last_9631(const TournamentHeader& header, TieBreakGroup group) {
  switch (group) {
    case TieBreakGroup::callaway:
      return callaway_text(header,
                           {"calculated Handicap from the Adjusted Gross score.",
                            "In the case of ties, the golfer with the lower handicap has been given",
                            "preference.  If any ties still existed, ties were broken by examining",
                            "the accumulated net scores over the final 9 holes, final 6 holes,",
                            "final 3 holes and the final 1 hole.  If any ties still existed they", "were not broken."});
    case TieBreakGroup::gross:
      return {"Ties have been broken using the 'Last 9631' method by examining the accumulated gross scores over the",
              "final 9 holes, final 6 holes, final 3 holes and the final 1 hole.",
              "If any ties still existed they were not broken."};
    case TieBreakGroup::net:
      return {
          "Ties have been broken using the 'Last 9631' method by examining the accumulated net scores over the "
          "final 9 holes,",
          "final 6 holes, final 3 holes and the final 1 hole.  If any ties still existed they were",
          "not broken. When Handicap Strokes were allocated in computing a net hole score, strokes were",
          "allocated in order of precedence using the Handicap Holes as defined in the course database."};
    case TieBreakGroup::stableford:
      return with_stroke_lines(
          {"Ties have been broken using the 'Last 9631' method by examining the accumulated Stableford points "
           "over",
           "the final 9 holes, final 6 holes, final 3 holes and the final 1 hole.",
           "If any ties still existed they were not broken."},
          true);
    case TieBreakGroup::system36:
      return {
          "In the case of ties, the golfer with the lower handicap has been given preference.  Any remaining "
          "ties",
          "have been broken using the 'Last 9631' method by examining the accumulated net scores over the",
          "final 9 holes, final 6 holes, final 3 holes and the final 1 hole.",
          "If any ties still existed they were not broken."};
    case TieBreakGroup::none: break;
  }
  return {};
}

Lines australian(const TournamentHeader& header, TieBreakGroup group) {
  switch (group) {
    case TieBreakGroup::callaway:
      return callaway_text(header, {"calculated Handicap from the Adjusted Gross score.  In the case of",
                                    "ties, the golfer with the lower handicap has been given preference.",
                                    "If any ties still existed, ties have been broken by examining the",
                                    "accumulated net scores over the final 9 holes, final 6 holes, and",
                                    "the final 3 holes.  If any ties still existed they were broken by",
                                    "examining the net scores for the last hole, 2nd last hole, 3rd last,",
                                    "4th last, etc until all ties were broken."});
    case TieBreakGroup::gross:
      return {
          "Ties have been broken using the 'Australian Count-Back' method by examining the accumulated gross "
          "scores over the",
          "final 9 holes, final 6 holes, and the final 3 holes.  If any ties still",
          "existed they were broken by examining the gross scores for the last hole,",
          "2nd last hole, 3rd last, 4th last, etc until all ties were broken."};
    case TieBreakGroup::net:
      return {
          "Ties have been broken 'Australian Count-Back' method by examining the accumulated net scores over the "
          "final 9 holes,",
          "final 6 holes, and the final 3 holes.  If any ties still existed they were broken by",
          "examining the net scores for the last hole, 2nd last hole, 3rd last, 4th last, etc until",
          "all ties were broken. When Handicap Strokes were allocated in computing a net hole score,",
          "strokes were allocated in order of precedence using the Handicap Holes",
          "as defined in the course database."};
    case TieBreakGroup::stableford:
      return with_stroke_lines(
          {"Ties have been broken 'Australian Count-Back' method by examining the accumulated Stableford points "
           "over",
           "the final 9 holes, final 6 holes, and the final 3 holes.  If any ties still",
           "existed they were broken by examining the points for the last hole,",
           "2nd last hole, 3rd last, 4th last, etc until all ties were broken."},
          true);
    case TieBreakGroup::system36:
      return {"In the case of ties, the golfer with the lower handicap has been given preference.",
              "Any remaining ties have been broken 'Australian Count-Back' method by examining the accumulated net "
              "scores over the",
              "final 9 holes, final 6 holes, and the final 3 holes.  If any ties still",
              "existed they were broken by examining the net scores for the last hole,",
              "2nd last hole, 3rd last, 4th last, etc until all ties were broken."};
    case TieBreakGroup::none: break;
  }
  return {};
}

}  // namespace

std::vector<std::string> print_tie_break_explanation(const TournamentHeader& header, int hole_count) {
  const TieBreakGroup group = format_traits(header).tie_break;
  Lines text;
  switch (header_options::tie_break(header)) {
    case tie_break_method::count_back: text = count_back(header, group, hole_count); break;
    case tie_break_method::last_9631: text = last_9631(header, group); break;
    case tie_break_method::australian: text = australian(header, group); break;
    default: break;
  }
  if (text.empty()) return {};
  Lines out = {"<TABLE cellSpacing=0 cellPadding=0 width=550 border=0><tr><td align=middle>"};
  add(out, text);
  add(out, {"</td></tr></table>", "<br>"});
  return out;
}

std::vector<std::string> print_tie_break_explanation(State& state) {
  TournamentHeader header = state.header;
  // A failed read is told and counted: run_report drops the page.
  (void)read_record(state, RecordKind::course, tee_of_division(state, 1));
  return print_tie_break_explanation(header, tee_values::hole_count(state.course));
}

}  // namespace quillon
