#include "tournament/tournament_selection.h"

#include <algorithm>
#include <vector>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/record_values.h"
#include "core/state.h"
#include "core/text.h"
#include "tournament/formats.h"
#include "tournament/multi_round.h"

namespace quillon {

namespace {

std::string upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

std::string end_text(const TournamentHeader& h) {
  if (h.tee_interval_index != 0) return format_text(8, "%02d:%02d", h.last_tee_hour, h.last_tee_minute);
  return h.start_type == static_cast<int>(StartType::shotgun) ? "Shotgun" : "DblShot";
}

}  // namespace

std::string tournament_sort_key(const TournamentHeader& h) {
  return upper(format_text(64, "%03d%02d%02d%s", static_cast<std::uint8_t>(h.date_year), h.date_month, h.date_day,
                           field_text(h.name).c_str()));
}

std::string tournament_list_line(State& state, const TournamentHeader& h, bool tabbed) {
  std::string date = long_date(static_cast<std::uint8_t>(h.date_year), h.date_month, h.date_day);
  std::string name = field_text(h.name);
  if (h.format == multi_round_format)
    return format_text(200, tabbed ? "\t%s\t%-35s\tMultiple Day Event" : "%s  %-35s  Multiple Day Event", date.c_str(),
                       name.c_str());
  int tee = h.division_tee[0] == 0 ? 1 : h.division_tee[0];
  // The line only helps to choose: a course that cannot be read (told) shows no abbreviation.
  Result<CourseRecord> course = telling(state, load_course(state, tee));
  std::string abbrev = course ? field_text(course->course_abbrev) : "";
  return format_text(200, tabbed ? "\t%s\t%-35s\t%-5s\t%02d:%02d\t%s" : "%s  %-35s  %-5s  %02d:%02d  %s", date.c_str(),
                     name.c_str(), abbrev.c_str(), h.first_tee_hour, h.first_tee_minute, end_text(h).c_str());
}

std::vector<TournamentLine> tournaments_newest_first(
    State& state, const std::function<bool(int slot, const TournamentHeader&)>& keep,
    const std::function<std::string(State&, const TournamentHeader&)>& line_of) {
  struct Keyed {
    std::string key;
    TournamentLine listed;
  };
  std::vector<Keyed> keyed;
  for (int t = 1; t <= state.tournament_count; ++t) {
    const TournamentHeader h = peek_header(state, t);
    if (tournament_slot_free(h) || !keep(t, h)) continue;
    keyed.push_back({tournament_sort_key(h), {t, line_of(state, h)}});
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) { return a.key > b.key; });
  std::vector<TournamentLine> listed;
  for (Keyed& k : keyed) listed.push_back(std::move(k.listed));
  return listed;
}

int select_tournament(State& state, TournamentList list) {
  // The tournament last read (just added, or last worked on) is where the list starts.
  const int last_used = state.current_tournament;
  const std::vector<TournamentLine> listed = tournaments_newest_first(
      state,
      [&](int, const TournamentHeader& h) {
        return list == TournamentList::days_and_events || h.format != multi_round_format;
      },
      [](State& s, const TournamentHeader& h) { return tournament_list_line(s, h, true); });
  if (listed.empty()) {
    // Slots may remain after every tournament in them was removed.
    message_box(state, message_kind::error, "No Tournaments found in the tournament database");
    return 0;
  }
  int chosen = listed.front().slot;
  if (listed.size() > 1) {
    std::vector<Choice> choices;
    for (const auto& l : listed) choices.push_back({l.slot, l.line, l.slot == last_used});
    auto picked = state.ui.select_one(SelectionKind::tournament, "Tournament Selection", choices);
    if (!picked) return 0;
    chosen = *picked;
  }
  return read_record(state, RecordKind::tournament, chosen) ? chosen : 0;
}

Result<bool> any_tournament(State& state) {
  for (int t = 1; t <= state.tournament_count; ++t) {
    if (Status read = read_record(state, RecordKind::tournament, t); !read) return read;
    if (!tournament_slot_free(state.header) && state.header.format != multi_round_format) return true;
  }
  return false;
}

}  // namespace quillon
