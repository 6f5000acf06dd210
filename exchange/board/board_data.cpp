#include "exchange/board/board_data.h"

#include <algorithm>

#include "core/cp1252.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "core/record_values.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "exchange/board/board_database.h"
#include "exchange/board/json.h"
#include "handicap/formats.h"
#include "handicap/tee_values.h"
#include "report/results_layout.h"
#include "scoring/division_tees.h"
#include "scoring/event_results.h"
#include "scoring/results.h"
#include "scoring/score_golfer.h"
#include "tournament/field.h"
#include "tournament/multi_round.h"
#include "tournament/score_card.h"

namespace quillon::board {

namespace {

constexpr int event_format = 99;

std::string utf8(const char* text) { return utf8_from_cp1252(text); }
template <std::size_t N>
std::string utf8(const char (&field)[N]) {
  return utf8_from_cp1252(field_text(field));
}

bool read_tournament(State& state, int t) {
  if (t < 1 || t > state.tournament_count) return false;
  Result<int> read = read_record_counted(state, RecordKind::tournament, t);
  if (!read || *read <= 0) return false;
  return !tournament_slot_free(state.header);
}

std::string signed_text(int value) { return value > 0 ? "+" + std::to_string(value) : std::to_string(value); }

// A team's total; a team short of balls shows what it played, marked "*".
std::string team_total_text(const TeamScore& team) {
  if (team.missing_total() == 0) return std::to_string(team.total);
  return std::to_string(team.played_total()) + "*";
}

std::vector<std::string> columns_of(ResultsLayout layout) {
  switch (layout) {
    case ResultsLayout::gross_only: return {"Gross"};
    case ResultsLayout::stableford: return {"Gross", "Points"};
    case ResultsLayout::team_points: return {"Points"};
    case ResultsLayout::ambrose:
    case ResultsLayout::team_best_ball: return {"Total"};
    case ResultsLayout::best_holes: return {"Gross", "Diff"};
    default: return {"Gross", "Net"};
  }
}

std::vector<std::string> values_of(ResultsLayout layout, const ResultRow& r) {
  const GolferEntry& e = r.entry;
  switch (layout) {
    case ResultsLayout::gross_only: return {std::to_string(e.gross_score)};
    case ResultsLayout::stableford: return {std::to_string(e.gross_score), std::to_string(e.net_score)};
    case ResultsLayout::team_points:
    case ResultsLayout::ambrose:
    case ResultsLayout::team_best_ball: return {r.team ? team_total_text(*r.team) : std::to_string(e.net_score)};
    case ResultsLayout::best_holes: return {std::to_string(e.gross_score), signed_text(e.net_score)};
    default: return {std::to_string(e.gross_score), std::to_string(e.net_score)};
  }
}

std::vector<std::string> member_names(State& state, int group) {
  std::vector<std::string> names;
  // The board shows what it can: after a failed read (told) the team shows no members.
  (void)read_record(state, RecordKind::group, group);
  for (int slot = 1; slot <= group_size_of(state.header); ++slot)
    if (state.group.entries[slot - 1].name[0] != '\0') names.push_back(utf8(state.group.entries[slot - 1].name));
  return names;
}

// Golfers with scores whose card is not complete yet, in field order.
std::vector<OnCourse> golfers_on_course(State& state, const DivisionTees& tees) {
  std::vector<OnCourse> out;
  const bool team_card = team_card_in_first_slot(format_of(state.header));
  const int size = team_card ? 1 : group_size_of(state.header);
  for (int g = 1; g <= state.header.group_count; ++g) {
    // The board shows the golfers read before a failure, which is told once.
    if (!read_record(state, RecordKind::group, g)) break;
    for (int slot = 1; slot <= size; ++slot) {
      const GolferEntry& e = state.group.entries[slot - 1];
      if (e.name[0] == '\0' || e.disqualified == 1 || e.hole_scores[0] == 0) continue;
      const int holes = tee_values::hole_count(tees.of(e.division));
      if (first_missing_hole(e, holes) == 0) continue;
      OnCourse c;
      c.name = utf8(e.name);
      c.group = g;
      for (int h = 1; h <= holes; ++h) {
        if (e.hole_scores[h - 1] <= 0) continue;
        ++c.thru;
        c.strokes += e.hole_scores[h - 1];
      }
      out.push_back(c);
    }
  }
  return out;
}

void fill_day_tournament(State& state, BoardView& view) {
  const TournamentHeader header = state.header;
  DivisionTees tees;
  // The board shows what it can: the results below stop on the same failure, which is told.
  (void)tees.load(state);
  view.course = utf8(tees.of(1).course_name);
  view.format = utf8_from_cp1252(format_description(header, 0));
  const ResultsLayout layout = choose_results_layout(format_of(header), report_type::traditional);
  view.columns = columns_of(layout);
  auto* quiet = dynamic_cast<QuietUi*>(&state.ui);
  if (quiet) quiet->shown.clear();
  Results results = build_results(state, report_type::traditional, 0);
  if (!results.produced && quiet) view.note = quiet->last_complaint();
  else view.note = utf8_from_cp1252(results.without_scores_text());
  for (const ResultRow& r : results.rows) {
    BoardRow row;
    row.rank = r.rank;
    row.name = utf8_from_cp1252(r.name);
    row.group = r.group;
    row.values = values_of(layout, r);
    view.rows.push_back(row);
  }
  state.header = header;
  for (BoardRow& row : view.rows)
    if (results.teams) row.members = member_names(state, row.group);
  view.on_course = golfers_on_course(state, tees);
}

void fill_event(State& state, BoardView& view) {
  EventResults r = build_event_results(state, report_type::traditional, 0);
  view.event = true;
  view.format = "Multi-Day Event";
  for (int d = 1; d <= r.day_count; ++d) view.columns.push_back("R" + std::to_string(d));
  if (r.stableford) view.columns.push_back("Tot");
  else view.columns.insert(view.columns.end(), {"Gross", "Net"});
  for (const ResultRow& row : r.rows) {
    const EventGolfer& g = r.golfer_of(row);
    BoardRow b;
    b.rank = row.rank;
    b.name = utf8_from_cp1252(g.name);
    for (int d = 0; d < r.day_count; ++d) {
      const EventDayScore& s = g.days[static_cast<std::size_t>(d)];
      b.values.push_back(s.played ? std::to_string(s.value) : "");
    }
    if (r.stableford) {
      b.values.push_back(std::to_string(g.value_total()));
    } else {
      b.values.push_back(std::to_string(g.gross_total()));
      b.values.push_back(std::to_string(g.value_total()));
    }
    view.rows.push_back(b);
  }
  const std::vector<int> days = event_days(state.header);
  if (!days.empty()) view.course = utf8(peek_header(state, days.front()).name);
}

std::string string_list(const std::vector<std::string>& texts) {
  std::string out = "[";
  for (std::size_t i = 0; i < texts.size(); ++i) out += (i ? "," : "") + json_string(texts[i]);
  return out + "]";
}

}  // namespace

Result<BoardView> build_board(State& state, int t) {
  if (!read_tournament(state, t)) return Status::failed("There is no tournament " + std::to_string(t));
  BoardView view;
  view.tournament = t;
  view.name = utf8(state.header.name);
  view.date = long_date(full_year(state.header.date_year), state.header.date_month, state.header.date_day);
  if (state.header.format == event_format) fill_event(state, view);
  else fill_day_tournament(state, view);
  return view;
}

std::string board_json(const BoardView& v) {
  std::string out = "{\"tournament\":" + std::to_string(v.tournament) + ",\"name\":" + json_string(v.name) +
                    ",\"date\":" + json_string(v.date) + ",\"course\":" + json_string(v.course) +
                    ",\"format\":" + json_string(v.format) + ",\"event\":" + (v.event ? "true" : "false") +
                    ",\"columns\":" + string_list(v.columns) + ",\"rows\":[";
  for (std::size_t i = 0; i < v.rows.size(); ++i) {
    const BoardRow& r = v.rows[i];
    out += std::string(i ? "," : "") + "{\"rank\":" + std::to_string(r.rank) + ",\"name\":" + json_string(r.name) +
           ",\"members\":" + string_list(r.members) + ",\"group\":" + std::to_string(r.group) +
           ",\"values\":" + string_list(r.values) + "}";
  }
  out += "],\"on_course\":[";
  for (std::size_t i = 0; i < v.on_course.size(); ++i) {
    const OnCourse& c = v.on_course[i];
    out += std::string(i ? "," : "") + "{\"name\":" + json_string(c.name) + ",\"group\":" + std::to_string(c.group) +
           ",\"thru\":" + std::to_string(c.thru) + ",\"strokes\":" + std::to_string(c.strokes) + "}";
  }
  return out + "],\"note\":" + json_string(v.note) + "}";
}

int entry_day(const State& state, int t) {
  if (t < 1 || t > state.tournament_count) return 0;
  Result<TournamentHeader> header = load_header(state, t);
  if (!header || tournament_slot_free(*header)) return 0;
  if (header->format != event_format) return t;
  const std::vector<int> days = event_days(*header);
  return days.empty() ? 0 : days.back();
}

int entry_tournament(State& state, int t) {
  if (!read_tournament(state, t)) return 0;
  if (state.header.format != event_format) return t;
  const std::vector<int> days = event_days(state.header);
  return days.empty() ? 0 : days.back();
}

Result<std::string> group_json(State& state, int t, int group) {
  const int day = entry_tournament(state, t);
  if (day == 0 || !read_tournament(state, day)) return Status::failed("There is no tournament to enter scores for");
  if (group < 1 || group > state.header.group_count)
    return Status::failed("There is no group " + std::to_string(group));
  const TournamentHeader header = state.header;
  const Format format = format_of(header);
  const bool team = uses_team_window(format);
  int first_tee = tee_of_division(state, 1);
  Result<CourseRecord> first_course = load_course(state, first_tee < 1 ? 1 : first_tee);
  if (!first_course) return first_course.status();
  const int holes = tee_values::hole_count(*first_course);
  Result<GroupBuffer> group_read = load_group(state, day, header, group);
  if (!group_read) return group_read.status();
  const GroupBuffer cards = *group_read;
  std::string out = "{\"tournament\":" + std::to_string(day) + ",\"group\":" + std::to_string(group) +
                    ",\"name\":" + json_string(utf8(header.name)) + ",\"holes\":" + std::to_string(holes) +
                    ",\"team\":" + (team ? "true" : "false") +
                    ",\"pickup\":" + (is_individual_stableford(format) ? "true" : "false") + ",\"golfers\":[";
  const int rows = team ? 1 : group_size_of(header);
  bool first = true;
  for (int slot = 1; slot <= rows; ++slot) {
    const GolferEntry& e = cards.entries[slot - 1];
    if (e.name[0] == '\0') continue;
    int tee = tee_of_division(state, e.division);
    Result<CourseRecord> course = load_course(state, tee < 1 ? 1 : tee);
    if (!course) return course.status();
    const char sex = entry_gender(state, e.gender);
    std::vector<std::string> names;
    if (team)
      for (const GolferEntry& m : cards.entries)
        if (m.name[0] != '\0' && names.size() < static_cast<std::size_t>(group_size_of(header)))
          names.push_back(utf8(m.name));
    std::string pars = "[", scores = "[";
    for (int h = 1; h <= holes; ++h) {
      pars += (h > 1 ? "," : "") + std::to_string(tee_values::par(*course, sex, h));
      scores += (h > 1 ? "," : "") + std::to_string(std::max<int>(e.hole_scores[h - 1], 0));
    }
    out += std::string(first ? "" : ",") + "{\"slot\":" + std::to_string(slot) +
           ",\"name\":" + json_string(team ? "Team" : utf8(e.name)) + ",\"members\":" + string_list(names) +
           ",\"par\":" + pars + "],\"scores\":" + scores + "]}";
    first = false;
  }
  return out + "]}";
}

std::string groups_json(State& state, int t) {
  const int day = entry_tournament(state, t);
  std::string out = "{\"tournament\":" + std::to_string(day) + ",\"groups\":[";
  if (day == 0 || !read_tournament(state, day)) return out + "]}";
  for (int g = 1; g <= state.header.group_count; ++g) {
    std::vector<std::string> names;
    // The list shows the groups read before a failure, which is told once.
    if (!read_record(state, RecordKind::group, g)) break;
    for (int slot = 1; slot <= group_size_of(state.header); ++slot)
      if (state.group.entries[slot - 1].name[0] != '\0') names.push_back(utf8(state.group.entries[slot - 1].name));
    out += std::string(g > 1 ? "," : "") + "{\"group\":" + std::to_string(g) + ",\"names\":" + string_list(names) + "}";
  }
  return out + "]}";
}

std::uint64_t board_digest(State& state, int t) {
  std::uint64_t hash = 1469598103934665603ull;
  std::vector<unsigned char> block(tournament_block_size);
  auto add_block = [&](int slot) {
    if (slot < 1) return;
    std::size_t n = state.db.read_at(tournament_offset(state, slot), block.data(), block.size());
    for (std::size_t i = 0; i < n; ++i) hash = (hash ^ block[i]) * 1099511628211ull;
    hash = (hash ^ n) * 1099511628211ull;
  };
  add_block(t);
  TournamentHeader header{};
  if (t >= 1 && state.db.read_at(tournament_offset(state, t), &header, sizeof header) == sizeof header &&
      header.format == event_format)
    for (int day : event_days(header)) add_block(day);
  return hash;
}

}  // namespace quillon::board
