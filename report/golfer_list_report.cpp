#include "report/golfer_list_report.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "handicap/course_handicap.h"
#include "report/field_golfers.h"
#include "report/page_frame.h"
#include "report/report_page.h"
#include "report/report_table.h"
#include "report/report_writer.h"
#include "tournament/tee_times.h"

namespace quillon {

namespace {

bool cart_mode(GolferListMode mode) {
  return mode == GolferListMode::carts_by_name || mode == GolferListMode::carts_by_tee_time;
}

std::string upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

std::vector<FieldGolfer> selected_golfers(State& state, GolferListMode mode, int division) {
  std::vector<FieldGolfer> chosen;
  for (const auto& g : named_golfers(state)) {
    if (division != 0 && g.entry.division != division) continue;
    if (cart_mode(mode) && (g.entry.entry_flags & entry_flag::power_cart) == 0) continue;
    chosen.push_back(g);
  }
  return chosen;
}

void put_in_order(std::vector<FieldGolfer>& golfers, GolferListMode mode) {
  if (mode == GolferListMode::by_handicap) {
    std::stable_sort(golfers.begin(), golfers.end(), [](const FieldGolfer& a, const FieldGolfer& b) {
      return a.entry.handicap_index < b.entry.handicap_index;
    });
  } else if (mode != GolferListMode::carts_by_tee_time) {
    std::stable_sort(golfers.begin(), golfers.end(), [](const FieldGolfer& a, const FieldGolfer& b) {
      return upper(field_text(a.entry.name)) < upper(field_text(b.entry.name));
    });
  }
}

std::string title_of(GolferListMode mode, const PageStyle& style) {
  if (!style.colour) return cart_mode(mode) ? "PowerCart Rider Report" : "Golfer Information";
  switch (mode) {
    case GolferListMode::by_name: return "Golfer Information - Sorted by Name";
    case GolferListMode::by_handicap: return "Golfer Information - Sorted by Handicap";
    case GolferListMode::carts_by_name: return "PowerCart Rider Report - Sorted by Name";
    case GolferListMode::carts_by_tee_time: return "PowerCart Rider Report";
  }
  return "";
}

bool shotgun_start(const State& state) { return state.header.start_type == 2 || state.header.start_type == 3; }

// The user statistic headings that are set, shown by their first three characters.
std::vector<std::string> user_stat_captions(const State& state) {
  std::vector<std::string> captions;
  for (const std::string& text : {field_text(state.header.user_stat1_name), field_text(state.header.user_stat2_name)}) {
    captions.push_back(text.empty() ? "" : html_text(text.substr(0, 3)));
  }
  return captions;
}

void write_table(State& state, ReportWriter& w, const PageStyle& style, const std::vector<FieldGolfer>& golfers) {
  bool divisions = state.header.division_count > 1;
  std::vector<std::string> stats = user_stat_captions(state);
  std::vector<std::string> header = {header_cell(""), header_cell(""), header_cell("Golfer", true)};
  if (divisions) header.push_back(header_cell("Div"));
  for (const char* caption : {"Tee", "Hcap Index", "Course Hcap", "Group", "Time", "Member"})
    header.push_back(header_cell(caption, std::string(caption) == "Tee"));
  for (const auto& s : stats)
    if (!s.empty()) header.push_back(header_cell(s));

  open_table(w, 700);
  write_header_row(w, style, header);
  write_empty_row(w);
  FieldDivisionTees tees(state);
  bool shotgun = shotgun_start(state);
  int number = 0;
  for (const auto& g : golfers) {
    const GolferEntry& e = g.entry;
    std::vector<std::string> cells = {empty_cell(), number_cell(format_text(32, "&nbsp;%d&nbsp;", ++number)),
                                      name_cell(field_text(e.name))};
    if (divisions) cells.push_back(number_cell(std::to_string(e.division)));
    cells.push_back(name_cell(field_text(tees.of(e.division).tee_name)));
    cells.push_back(number_cell(index_column_text(e.handicap_index)));
    cells.push_back(number_cell(handicap_report_text(report_course_handicap(state, tees, e))));
    std::string group =
        shotgun ? format_text(16, "%3s", shotgun_hole_of_group(state, g.group).c_str()) : std::to_string(g.group);
    cells.push_back(number_cell(group));
    cells.push_back(number_cell(trimmed(tee_time_of_group(state.header, g.group))));
    cells.push_back(number_cell(e.is_member ? "Y" : ""));
    if (!stats[0].empty()) cells.push_back(number_cell(e.user_stat1 ? "Y" : ""));
    if (!stats[1].empty()) cells.push_back(number_cell(e.user_stat2 ? "Y" : ""));
    write_data_row(w, cells);
  }
  close_table(w);
}

}  // namespace

bool print_golfer_list(State& state, GolferListMode mode, int division) {
  std::vector<FieldGolfer> golfers = selected_golfers(state, mode, division);
  if (golfers.empty()) {
    not_done_box(
        state, message_kind::information, "%s",
        cart_mode(mode) ? "No golfers requiring power carts found." : "No golfers are entered in the tournament.");
    return false;
  }
  put_in_order(golfers, mode);

  ReportWriter w;
  if (!open_report_page(state, w)) return true;
  PageStyle style = PageStyle::of(state);
  TournamentInformation info = tournament_information(state, division);
  write_page_opening(w, style, info, title_of(mode, style));
  write_table(state, w, style, golfers);
  write_page_footer(w, true);
  return true;
}

}  // namespace quillon
