#include "exchange/imports/parlink_source.h"

#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "exchange/imports/course_import.h"
#include "exchange/imports/import_settings_dialog.h"
#include "exchange/network/net_club_id.h"
#include "exchange/network/net_parlink_download.h"
#include "tournament/field.h"

namespace quillon {

namespace {

constexpr int nine_holes = 9;
constexpr const char* damaged_list = "The downloaded member data is either missing or corrupted.";

char listed_gender(const State& state, char gender) {
  return gender == 'M' || gender == 'F' ? gender : entry_gender(state, 0);
}

// Reads club + ".hdx"; tells the user and gives false when it is not whole.
bool read_whole_list(State& state, const std::string& club, ParlinkMemberList& list) {
  Result<ParlinkMemberList> read = read_parlink_members(parlink_members_path(state, club));
  if (read) list = std::move(*read);
  if (!read || !list.complete()) {
    if (list.club_not_found)
      error_box(state, "The Parlink Network holds no member list for the club %s.", club.c_str());
    else error_box(state, "%s", damaged_list);
    return false;
  }
  return true;
}

// The stored Club ID when it is usable; otherwise tells the user and gives "".
std::string parlink_club(State& state) {
  if (stored_club_id(state).empty()) {
    error_box(state,
              "An Internet Club Id must be entered prior to using the Parlink Network.\n\nTo enter your Internet "
              "Club ID click on the 'Cuplink Network' button on the main window.");
    return {};
  }
  return usable_club_id(state);
}

}  // namespace

GolferEntry parlink_entry(const State& state, const ParlinkMember& member, int course_holes) {
  ParlinkMember resolved = member;
  resolved.gender = listed_gender(state, member.gender);
  GolferEntry e{};
  set_field_text_terminated(e.name, resolved.name);
  set_field_text_terminated(e.member_id, resolved.member_id);
  e.handicap_index = static_cast<std::int16_t>(parlink_index_tenths(resolved, course_holes == nine_holes));
  e.gender = resolved.gender;
  e.is_member = 1;
  e.division = 1;
  return e;
}

Status list_parlink_members(State& state, HoldingList& holding, const std::vector<std::string>& tournament_names) {
  holding.clear();
  const std::string club = parlink_club(state);
  if (club.empty()) return Status::told();
  if (!download_parlink_courses(state) || !download_parlink_members(state)) return Status::told();
  ParlinkMemberList list;
  if (!read_whole_list(state, club, list)) return Status::told();
  const Result<int> course_holes = division_one_holes(state);
  if (!course_holes) return course_holes.status();
  const int holes = *course_holes;
  for (const ParlinkMember& m : list.members)
    add_to_holding_list(holding, parlink_entry(state, m, holes), tournament_names);
  return Status::ok();
}

Status parlink_refresh_members(State& state, std::vector<SourceMember>& members) {
  const std::string club = parlink_club(state);
  if (club.empty()) return Status::told();
  if (message_box(state, message_kind::question,
                  "Would you like to update the downloaded course rating data and handicaps?") == Button::yes) {
    if (!download_parlink_courses(state)) return Status::told();
    state.ravelin_path = ravelin_path_for(state);
    if (!import_courses(state)) return Status::told();
    if (!download_parlink_members(state)) return Status::told();
    Result<ParlinkMemberList> check = read_parlink_members(parlink_members_path(state, club));
    if (!check || !check->complete()) {
      error_box(state, "An error was encountered updating the %s handicap data.", club.c_str());
      return Status::told();
    }
  }
  ParlinkMemberList list;
  if (!read_whole_list(state, club, list)) return Status::told();
  // The question decides the halving: an answered Yes halves every index once.
  bool halve = false;
  const Result<int> course_holes = division_one_holes(state);
  if (!course_holes) return course_holes.status();
  if (*course_holes == nine_holes)
    halve = message_box(state, message_kind::question,
                        "You are refreshing imported handicaps for a 9 hole tournament.\n\nAre the handicaps you are "
                        "importing 18 hole handicaps?") == Button::yes;
  for (ParlinkMember m : list.members) {
    m.gender = listed_gender(state, m.gender);
    m.index_kind = halve ? "18" : "";
    members.push_back({m.name, m.member_id, parlink_index_tenths(m, halve)});
  }
  return Status::ok();
}

}  // namespace quillon
