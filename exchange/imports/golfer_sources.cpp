#include "exchange/imports/golfer_sources.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/ravelin.h"
#include "core/record_values.h"
#include "core/state.h"
#include "core/text.h"
#include "exchange/imports/handicap_text.h"
#include "exchange/imports/member_workbook.h"
#include "exchange/imports/parlink_source.h"
#include "exchange/imports/ravelin_members.h"
#include "tournament/field.h"

namespace quillon {

namespace {

constexpr int name_length = sizeof(GolferEntry::name) - 1;
constexpr int nine_holes = 9;
constexpr int accepted_ravelin_versions[] = {2023, 2024, 2025};
constexpr int system_records[12] = {2, 3, 1, 1, 1, 1, 4, 1, 1, 1, 1, 2};

GolferEntry member_entry(const std::string& name, int index, char gender) {
  GolferEntry e{};
  set_field_text_terminated(e.name, name.substr(0, name_length));
  e.handicap_index = static_cast<std::int16_t>(index);
  e.gender = gender;
  e.is_member = 1;
  e.division = 1;
  return e;
}

bool version_accepted(int version) {
  for (int v : accepted_ravelin_versions)
    if (v == version) return true;
  return false;
}

// "Select Flight": the named flight records; the only named one is taken
// without asking. 0 = no flight (none is named); -1 = the list was cancelled.
int choose_flight(State& state, RavelinReader& reader) {
  std::vector<Choice> flights;
  for (int k = 1; k <= ravelin_flight_count; ++k) {
    if (reader.read_ravelin(ravelin_kind::flight, k) <= 0) break;
    const auto& b = reader.buffer(ravelin_kind::flight);
    std::string name(reinterpret_cast<const char*>(b.data()),
                     strnlen(reinterpret_cast<const char*>(b.data()), b.size()));
    if (!name.empty()) flights.push_back({k, name});
  }
  if (flights.empty()) return 0;
  if (flights.size() == 1) return flights.front().id;
  auto chosen = state.ui.select_one(SelectionKind::other, "Select Flight", flights);
  return chosen ? *chosen : -1;
}

void tell_changed_names(State& state, int changed) {
  if (changed <= 0) return;
  message_box(state, message_kind::information,
              "%d name(s) held characters that Quillon cannot store; each such character was replaced by '?'.",
              changed);
}

}  // namespace

Result<int> division_one_holes(State& state) {
  Result<CourseRecord> course = telling(state, load_course(state, tee_of_division(state, 1)));
  if (!course) return course.status();
  return static_cast<int>(course->hole_count);
}

ImportSource configured_source(const State& state) {
  switch (state.import_settings.import_source) {
    case static_cast<int>(ImportSource::spreadsheet): return ImportSource::spreadsheet;
    case static_cast<int>(ImportSource::parlink): return ImportSource::parlink;
    default: return ImportSource::ravelin;
  }
}

std::string holding_list_line(const GolferEntry& e) {
  std::string index = e.handicap_index <= 0 ? format_text(16, "+%3.1f", std::abs(e.handicap_index) / 10.0)
                                            : format_text(16, "%4.1f", e.handicap_index / 10.0);
  return field_text(e.name) + "\t" + index + "\t" + (e.in_skins ? "Y" : "N") + "\t" +
         ((e.entry_flags & entry_flag::power_cart) ? "Y" : "N") + "\t" + (e.gender ? std::string(1, e.gender) : "");
}

void add_to_holding_list(HoldingList& holding, const GolferEntry& entry,
                         const std::vector<std::string>& tournament_names) {
  const std::string name = field_text(entry.name);
  for (const auto& n : tournament_names)
    if (n == name) return;
  const std::string line = holding_list_line(entry);
  for (const auto& held : holding)
    if (holding_list_line(held) == line) return;
  holding.push_back(entry);
}

bool nine_hole_system(int code) { return code == 3 || code == 4 || code == 5 || code == 11; }

int system_record_of(int code) { return code >= 0 && code < 12 ? system_records[code] : 1; }

int ravelin_import_index(int stored, char gender, bool nine_hole_index, int course_holes) {
  int x = stored;
  if (x == ravelin_no_index) {
    x = gender == 'M' ? no_index_men : no_index_women;
    if (nine_hole_index) x /= 2;
  }
  bool nine_hole_course = course_holes == nine_holes;
  if (nine_hole_index && !nine_hole_course) x *= 2;
  if (!nine_hole_index && nine_hole_course) x = (x + 1) / 2;
  return x;
}

std::string imported_name(const std::string& last, const std::string& first) {
  std::string name = first.empty() ? last : last + ", " + first;
  return name.substr(0, name_length);
}

bool ravelin_database_located(State& state) {
  std::error_code ec;
  if (!state.ravelin_path.empty() && std::filesystem::is_regular_file(state.file(state.ravelin_path), ec)) return true;
  message_box(state, message_kind::error,
              "Quillon is configured to import golfers and handicaps from a Ravelin database [%s] but the handicap "
              "database could not be located. For assistance call Tolvane Systems Inc. at 555-0142.",
              state.file(state.ravelin_path).string().c_str());
  return false;
}

void warn_if_handicap_basis_differs(State& state, RavelinReader& reader) {
  bool ravelin_includes = reader.buffer(ravelin_kind::system)[ravelin_member_field::includes_rating_and_par] != 0;
  bool quillon_includes = state.header.include_rating_and_par != 0;
  if (ravelin_includes != quillon_includes)
    message_box(state, message_kind::warning,
                quillon_includes
                    ? "When computing course handicaps, Quillon is including the course rating and course par in the "
                      "course handicap calculations but Ravelin is not.  This could result in course handicaps "
                      "computed by Quillon not matching course handicaps from Ravelin."
                    : "When computing course handicaps, Ravelin is including the course rating and course par in the "
                      "course handicap calculations but Quillon is not.  This could result in course handicaps "
                      "computed by Quillon not matching course handicaps from Ravelin.");
}

Status list_ravelin_members(State& state, HoldingList& holding, const std::vector<std::string>& tournament_names) {
  RavelinReader reader(state.file(state.ravelin_path).string());
  if (state.ravelin_path.empty() || !reader.open_ravelin())
    return Status::failed("the Ravelin database cannot be opened");
  reader.read_ravelin(ravelin_kind::header, 1);
  if (!version_accepted(reader.version())) {
    message_box(state, message_kind::error,
                "The Ravelin for Windows %d.%c database cannot be imported by this version of Quillon for Windows "
                "(%d.%c).  One or both of the systems must be updated.",
                reader.version(), reader.version_letter(), state.system.program_version,
                state.system.program_version_letter);
    return Status::told();
  }
  int flight = choose_flight(state, reader);
  if (flight < 0) return Status::told();
  int code = flight_system_code(reader, flight);
  reader.read_ravelin(ravelin_kind::system, system_record_of(code));
  warn_if_handicap_basis_differs(state, reader);
  const Result<int> holes = division_one_holes(state);
  if (!holes) return holes.status();
  for_each_member(reader, [&](const RavelinMember& m) {
    if (m.inactive || m.empty_slot() || (flight > 0 && m.flight != flight)) return;
    GolferEntry e = member_entry(imported_name(m.last_name, m.first_name),
                                 ravelin_import_index(m.index, m.gender, nine_hole_system(code), *holes), m.gender);
    set_field_text_terminated(e.info1, m.info[0]);
    set_field_text_terminated(e.info2, m.info[1]);
    set_field_text_terminated(e.info3, m.info[2]);
    set_field_text_terminated(e.member_id, m.member_id);
    if (m.power_cart) e.entry_flags |= entry_flag::power_cart;
    add_to_holding_list(holding, e, tournament_names);
  });
  return Status::ok();
}

Status list_spreadsheet_members(State& state, HoldingList& holding, const std::vector<std::string>& tournament_names) {
  bool halve = false;
  const Result<int> holes = division_one_holes(state);
  if (!holes) return holes.status();
  if (*holes == nine_holes)
    halve = message_box(state, message_kind::question,
                        "You are importing golfers into a 9 hole tournament.\n\nAre the handicaps you are importing 18 "
                        "hole handicaps?") == Button::yes;
  int changed = 0;
  auto members = read_member_workbook(state, &changed);
  if (!members) return Status::told();
  for (const auto& m : *members) {
    char gender = entry_gender(state, m.gender == "M" || m.gender == "F" ? m.gender[0] : 0);
    std::optional<HandicapText> value;
    if (!m.handicap.empty()) value = parse_handicap_text(m.handicap);
    add_to_holding_list(holding, member_entry(m.name, member_list_index(value, gender, halve), gender),
                        tournament_names);
  }
  tell_changed_names(state, changed);
  return Status::ok();
}

Status fill_import_list(State& state, HoldingList& holding, const std::vector<std::string>& tournament_names) {
  switch (configured_source(state)) {
    case ImportSource::ravelin: return list_ravelin_members(state, holding, tournament_names);
    case ImportSource::spreadsheet: return list_spreadsheet_members(state, holding, tournament_names);
    case ImportSource::parlink: return list_parlink_members(state, holding, tournament_names);
  }
  return Status::failed("unknown import source");
}

}  // namespace quillon
