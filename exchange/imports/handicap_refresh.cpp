#include "exchange/imports/handicap_refresh.h"

#include "core/database.h"
#include "core/database_transaction.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/ravelin.h"
#include "core/state.h"
#include "exchange/imports/golfer_sources.h"
#include "exchange/imports/handicap_text.h"
#include "exchange/imports/member_workbook.h"
#include "exchange/imports/parlink_source.h"
#include "exchange/imports/ravelin_members.h"
#include "tournament/field.h"

namespace quillon {

namespace {

constexpr int nine_holes = 9;
constexpr int warning_system_record = 1;

// The member of the golfer's name (the same characters and length). The
// member ID only tells apart members who share the name: the one with the
// golfer's ID, else the first of them.
const SourceMember* member_of(const GolferEntry& golfer, const std::vector<SourceMember>& members) {
  const std::string name = field_text(golfer.name);
  const std::string id = field_text(golfer.member_id);
  const SourceMember* first = nullptr;
  for (const SourceMember& m : members) {
    if (m.name != name) continue;
    if (!id.empty() && m.member_id == id) return &m;
    if (!first) first = &m;
  }
  return first;
}

bool spreadsheet_source_members(State& state, std::vector<SourceMember>& members) {
  bool halve = false;
  const Result<int> course_holes = division_one_holes(state);
  if (!course_holes) return false;
  if (*course_holes == nine_holes)
    halve = message_box(state, message_kind::question,
                        "You are refreshing imported handicaps for a 9 hole tournament.\n\nAre the handicaps you are "
                        "importing 18 hole handicaps?") == Button::yes;
  auto rows = read_member_workbook(state, nullptr);
  if (!rows) return false;
  for (const auto& m : *rows) {
    char gender = entry_gender(state, m.gender == "M" || m.gender == "F" ? m.gender[0] : 0);
    std::optional<HandicapText> value;
    if (!m.handicap.empty()) value = parse_handicap_text(m.handicap);
    members.push_back({m.name.substr(0, sizeof(GolferEntry::name) - 1), "", member_list_index(value, gender, halve)});
  }
  return true;
}

}  // namespace

bool refresh_from_members(State& state, const std::vector<SourceMember>& members, bool store_ids,
                          RefreshCounts& counts) {
  DatabaseTransaction change(state);
  for (int g = 1; g <= state.header.group_count; ++g) {
    if (!read_record(state, RecordKind::group, g)) return false;
    bool changed = false;
    for (int i = 0; i < state.header.group_size && i < max_group_size; ++i) {
      GolferEntry& e = state.group.entries[i];
      if (e.name[0] == 0 || !e.is_member) continue;
      ++counts.members_found;
      const SourceMember* m = member_of(e, members);
      if (!m) continue;
      ++counts.matched;
      if (store_ids && e.member_id[0] == 0 && !m->member_id.empty()) {
        set_field_text_terminated(e.member_id, m->member_id);
        changed = true;
      }
      if (e.handicap_index != m->index) {
        e.handicap_index = static_cast<std::int16_t>(m->index);
        ++counts.changed;
        changed = true;
      }
    }
    if (changed && !write_record(state, RecordKind::group, g)) return false;
  }
  return change.commit().is_ok();
}

bool ravelin_source_members(State& state, std::vector<SourceMember>& members) {
  if (!ravelin_database_located(state)) return false;
  RavelinReader reader(state.file(state.ravelin_path).string());
  if (!reader.open_ravelin()) return false;
  reader.read_ravelin(ravelin_kind::header, 1);
  reader.read_ravelin(ravelin_kind::system, warning_system_record);
  warn_if_handicap_basis_differs(state, reader);
  const Result<int> course_holes = division_one_holes(state);
  if (!course_holes) return false;
  const int holes = *course_holes;
  for_each_member(reader, [&](const RavelinMember& m) {
    if (m.empty_slot()) return;
    bool nine_hole_index = nine_hole_system(flight_system_code(reader, m.flight));
    // Reading the flight record replaced nothing of the member's fields, which were taken first.
    members.push_back({imported_name(m.last_name, m.first_name), m.member_id,
                       ravelin_import_index(m.index, m.gender, nine_hole_index, holes)});
  });
  return true;
}

Status refresh_imported_handicaps(State& state) {
  std::vector<SourceMember> members;
  bool store_ids = false;
  switch (configured_source(state)) {
    case ImportSource::ravelin:
      if (!ravelin_source_members(state, members)) return Status::told();
      store_ids = true;
      break;
    case ImportSource::spreadsheet:
      if (!spreadsheet_source_members(state, members)) return Status::told();
      break;
    case ImportSource::parlink:
      if (!parlink_refresh_members(state, members)) return Status::told();
      store_ids = true;
      break;
  }
  RefreshCounts counts;
  {
    BusyCursor busy(state);
    if (!refresh_from_members(state, members, store_ids, counts)) return Status::told();
  }
  message_box(state, message_kind::information,
              "A total of %d members were found in the tournament.\n%d of %d members were located in the handicap "
              "database.\nFor the %d members located in the handicap database, %d handicap(s) had changed and were "
              "updated.",
              counts.members_found, counts.matched, counts.members_found, counts.matched, counts.changed);
  return Status::ok();
}

}  // namespace quillon
