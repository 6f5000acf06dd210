#include "report/foursomes_report.h"

#include <optional>
#include <string>
#include <vector>

#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "handicap/course_handicap.h"
#include "report/field_golfers.h"
#include "report/page_frame.h"
#include "report/ravelin_member_ids.h"
#include "report/report_page.h"
#include "report/report_table.h"
#include "report/report_writer.h"
#include "report/score_sheet.h"
#include "tournament/formats.h"

namespace quillon {

namespace {

struct SheetContext {
  State& state;
  ReportWriter& w;
  const PageStyle& style;
  const FieldDivisionTees& tees;
};

std::string tee_name_of(const FieldDivisionTees& tees, const GolferEntry& e) {
  return field_text(tees.of(e.division).tee_name);
}

std::string handicap_pair(const SheetContext& c, const GolferEntry& e) {
  int course = report_course_handicap(c.state, c.tees, e);
  std::string hcap = course < 0 ? format_text(16, " /+%d", -course) : format_text(16, " / %d", course);
  return index_column_text(e.handicap_index) + hcap;
}

// The cells of one side of a tee-sheet line: line `line` of group `group`
// (0 = no group on this side).
std::vector<std::string> side_cells(const SheetContext& c, const std::vector<std::vector<GolferEntry>>& groups,
                                    int group, int line, bool handicaps) {
  std::size_t width = handicaps ? 4 : 3;
  std::vector<std::string> cells;
  if (group == 0) return std::vector<std::string>(width, empty_cell());
  const std::vector<GolferEntry>& members = groups[group - 1];
  std::string number = format_text(8, "%03d", group);
  std::string start = group_start(c.state, group);
  if (members.size() == 1) cells.push_back(number_cell(start.empty() ? number : number + "<br>" + start));
  else cells.push_back(number_cell(line == 0 ? number : (line == 1 ? start : "")));
  const GolferEntry& e = members[line];
  if (e.name[0] == 0) {
    cells.resize(width, empty_cell());
    return cells;
  }
  cells.push_back(name_cell(tee_name_of(c.tees, e).substr(0, 6)));
  cells.push_back(name_cell(field_text(e.name).substr(0, 23)));
  if (handicaps) cells.push_back(number_cell(handicap_pair(c, e)));
  return cells;
}

void write_two_groups_a_line(const SheetContext& c, bool handicaps) {
  bool crossover = c.state.header.start_type == static_cast<int>(StartType::crossover);
  auto side_header = [&](const char* tee) {
    std::vector<std::string> cells = {header_cell("Group<br>Time"), header_cell(tee), header_cell("Golfer", true)};
    if (handicaps) cells.push_back(header_cell("Index /<br>Crs Hcp"));
    return cells;
  };
  std::vector<std::string> header = side_header(crossover ? "Tee<br>#1" : "Tee");
  header.push_back(header_cell(""));
  for (const auto& cell : side_header(crossover ? "Tee<br>#10" : "Tee")) header.push_back(cell);

  std::vector<std::vector<GolferEntry>> groups = field_groups(c.state);
  open_table(c.w, 800);
  write_header_row(c.w, c.style, header);
  write_empty_row(c.w);
  int count = static_cast<int>(groups.size());
  for (int left = 1; left <= count; left += 2) {
    int right = left + 1 <= count ? left + 1 : 0;
    for (std::size_t line = 0; line < groups[left - 1].size(); ++line) {
      std::vector<std::string> cells = side_cells(c, groups, left, static_cast<int>(line), handicaps);
      cells.push_back(empty_cell());
      for (const auto& cell : side_cells(c, groups, right, static_cast<int>(line), handicaps)) cells.push_back(cell);
      write_data_row(c.w, cells);
    }
    write_empty_row(c.w);
  }
  close_table(c.w);
}

void write_member_ids(const SheetContext& c, const MemberIds& ids) {
  open_table(c.w, 640);
  write_header_row(c.w, c.style,
                   {header_cell(""), header_cell("Time"), header_cell("Group"), header_cell("Tee", true),
                    header_cell("ID", true), header_cell("Golfer", true)});
  write_empty_row(c.w);
  for (const auto& g : named_golfers(c.state)) {
    std::string name = field_text(g.entry.name);
    auto found = ids.find(name);
    // A golfer unknown to the handicap database keeps the identifier stored with the entry.
    std::string id = found != ids.end() ? found->second : field_text(g.entry.member_id);
    write_data_row(
        c.w, {empty_cell(), number_cell(group_start(c.state, g.group)), number_cell(format_text(8, "%03d", g.group)),
              name_cell(tee_name_of(c.tees, g.entry)), name_cell(id), name_cell(name)});
  }
  close_table(c.w);
}

bool wants_net_scores(State& state) {
  const Format format = format_of(state.header);
  if (format != Format::net && format != Format::best_balls_net && format != Format::best_two_gross_net) return false;
  return ask_titled(state, message_kind::question, "Show Net Scores?",
                    "The selected tournament uses net scores.  Would you like the Tournament Foursomes report to "
                    "show the net scores for each hole instead of the gross scores?") == Button::yes;
}

}  // namespace

bool print_foursomes(State& state, FoursomesMode mode) {
  bool net = mode == FoursomesMode::with_scores && wants_net_scores(state);
  std::optional<MemberIds> ids;
  if (mode == FoursomesMode::member_ids) {
    ids = ravelin_member_ids(state);
    if (!ids) return false;
  }

  ReportWriter w;
  if (!open_report_page(state, w)) return true;
  PageStyle style = PageStyle::of(state);
  TournamentInformation info = tournament_information(state);
  FieldDivisionTees tees(state);
  write_page_opening(w, style, info, "Tee Times");
  SheetContext context{state, w, style, tees};
  switch (mode) {
    case FoursomesMode::with_scores: write_score_sheet(state, w, style, tees, net); break;
    case FoursomesMode::handicaps: write_two_groups_a_line(context, true); break;
    case FoursomesMode::no_handicaps: write_two_groups_a_line(context, false); break;
    case FoursomesMode::member_ids: write_member_ids(context, *ids); break;
  }
  write_page_footer(w, true);
  return true;
}

}  // namespace quillon
