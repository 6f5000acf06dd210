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

Lines callaway_opening(const TournamentHeader& header) {
  std::string cap = hole_cap_name(header.max_hole_score_index);
  return {format_text(200, "Scores in excess of %s have been eliminated from the Adjusted", cap.c_str()),
          "Gross Score (Adj). The Net Score has been computed by subtracting the"};
}

Lines count_back(const TournamentHeader& header, TieBreakGroup group, int h) {
  Lines out;
  switch (group) {
    case TieBreakGroup::callaway:
      out = callaway_opening(header);
      add(out, {"calculated Handicap from the Adjusted Gross score.",
                "In the case of ties, the golfer with the lower handicap has been given",
                "preference.  Remaining ties have been broken by examining the accumulated",
                fill("net scores after %d holes.  If any ties still existed, net scores were", h - 1),
                fill("examined after %d holes, %d holes, etc, until all ties had been broken.", h - 2, h - 3)});
      add_stroke_lines(out, false);
      break;
    case TieBreakGroup::gross:
      out = {"Ties have been broken using the 'Countback from 18' method by examining the accumulated gross scores "
             "after",
             fill("%d holes.  If any ties still existed, gross scores were examined after", h - 1),
             fill("%d holes, %d holes, etc, until all ties had been broken.", h - 2, h - 3)};
      break;
    case TieBreakGroup::net:
      out = {"Ties have been broken using the 'Countback from 18' method by examining the accumulated net scores "
             "after",
             fill("%d holes.  If any ties still existed, gross scores were examined after", h - 1),
             fill("%d holes, %d holes, etc, until all ties had been broken.", h - 2, h - 3)};
      add_stroke_lines(out, false);
      break;
    case TieBreakGroup::stableford:
      out = {"Ties have been broken using the 'Countback from 18' method by examining the accumulated Stableford "
             "points after",
             fill("%d holes.  If any ties still existed, points were examined after", h),
             fill("%d holes, %d holes, etc, until all ties had been broken.", h - 1, h - 2)};
      add_stroke_lines(out, true);
      break;
    case TieBreakGroup::system36:
      out = {"In the case of ties, the golfer with the lower handicap has been given preference.",
             "Any remaining ties have been broken using the 'Countback from 18' method by examining the accumulated "
             "net scores after",
             fill("%d holes.  If any ties still existed, gross scores were examined after", h - 1),
             fill("%d holes, %d holes, etc, until all ties had been broken.", h - 2, h - 3)};
      break;
    case TieBreakGroup::none:
      break;
  }
  return out;
}

Lines last_9631(const TournamentHeader& header, TieBreakGroup group) {
  Lines out;
  switch (group) {
    case TieBreakGroup::callaway:
      out = callaway_opening(header);
      add(out, {"calculated Handicap from the Adjusted Gross score.",
                "In the case of ties, the golfer with the lower handicap has been given",
                "preference.  If any ties still existed, ties were broken by examining",
                "the accumulated net scores over the final 9 holes, final 6 holes,",
                "final 3 holes and the final 1 hole.  If any ties still existed they", "were not broken."});
      add_stroke_lines(out, false);
      break;
    case TieBreakGroup::gross:
      out = {"Ties have been broken using the 'Last 9631' method by examining the accumulated gross scores over the",
             "final 9 holes, final 6 holes, final 3 holes and the final 1 hole.",
             "If any ties still existed they were not broken."};
      break;
    case TieBreakGroup::net:
      out = {"Ties have been broken using the 'Last 9631' method by examining the accumulated net scores over the "
             "final 9 holes,",
             "final 6 holes, final 3 holes and the final 1 hole.  If any ties still existed they were",
             "not broken. When Handicap Strokes were allocated in computing a net hole score, strokes were",
             "allocated in order of precedence using the Handicap Holes as defined in the course database."};
      break;
    case TieBreakGroup::stableford:
      out = {"Ties have been broken using the 'Last 9631' method by examining the accumulated Stableford points "
             "over",
             "the final 9 holes, final 6 holes, final 3 holes and the final 1 hole.",
             "If any ties still existed they were not broken."};
      add_stroke_lines(out, true);
      break;
    case TieBreakGroup::system36:
      out = {"In the case of ties, the golfer with the lower handicap has been given preference.  Any remaining "
             "ties",
             "have been broken using the 'Last 9631' method by examining the accumulated net scores over the",
             "final 9 holes, final 6 holes, final 3 holes and the final 1 hole.",
             "If any ties still existed they were not broken."};
      break;
    case TieBreakGroup::none:
      break;
  }
  return out;
}

Lines australian(const TournamentHeader& header, TieBreakGroup group) {
  Lines out;
  switch (group) {
    case TieBreakGroup::callaway:
      out = callaway_opening(header);
      add(out, {"calculated Handicap from the Adjusted Gross score.  In the case of",
                "ties, the golfer with the lower handicap has been given preference.",
                "If any ties still existed, ties have been broken by examining the",
                "accumulated net scores over the final 9 holes, final 6 holes, and",
                "the final 3 holes.  If any ties still existed they were broken by",
                "examining the net scores for the last hole, 2nd last hole, 3rd last,",
                "4th last, etc until all ties were broken."});
      add_stroke_lines(out, false);
      break;
    case TieBreakGroup::gross:
      out = {"Ties have been broken using the 'Australian Count-Back' method by examining the accumulated gross "
             "scores over the",
             "final 9 holes, final 6 holes, and the final 3 holes.  If any ties still",
             "existed they were broken by examining the gross scores for the last hole,",
             "2nd last hole, 3rd last, 4th last, etc until all ties were broken."};
      break;
    case TieBreakGroup::net:
      out = {"Ties have been broken 'Australian Count-Back' method by examining the accumulated net scores over the "
             "final 9 holes,",
             "final 6 holes, and the final 3 holes.  If any ties still existed they were broken by",
             "examining the net scores for the last hole, 2nd last hole, 3rd last, 4th last, etc until",
             "all ties were broken. When Handicap Strokes were allocated in computing a net hole score,",
             "strokes were allocated in order of precedence using the Handicap Holes",
             "as defined in the course database."};
      break;
    case TieBreakGroup::stableford:
      out = {"Ties have been broken 'Australian Count-Back' method by examining the accumulated Stableford points "
             "over",
             "the final 9 holes, final 6 holes, and the final 3 holes.  If any ties still",
             "existed they were broken by examining the points for the last hole,",
             "2nd last hole, 3rd last, 4th last, etc until all ties were broken."};
      add_stroke_lines(out, true);
      break;
    case TieBreakGroup::system36:
      out = {"In the case of ties, the golfer with the lower handicap has been given preference.",
             "Any remaining ties have been broken 'Australian Count-Back' method by examining the accumulated net "
             "scores over the",
             "final 9 holes, final 6 holes, and the final 3 holes.  If any ties still",
             "existed they were broken by examining the net scores for the last hole,",
             "2nd last hole, 3rd last, 4th last, etc until all ties were broken."};
      break;
    case TieBreakGroup::none:
      break;
  }
  return out;
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
  read_record(state, RecordKind::course, tee_of_division(state, 1));
  return print_tie_break_explanation(header, tee_values::hole_count(state.course));
}

}  // namespace quillon
