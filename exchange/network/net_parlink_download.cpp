#include "exchange/network/net_parlink_download.h"

#include <cstdint>
#include <cstring>

#include "core/database.h"
#include "core/messages.h"
#include "core/state.h"
#include "exchange/network/net_club_id.h"
#include "exchange/network/net_files.h"
#include "exchange/network/net_session.h"

namespace quillon {

namespace {

constexpr std::size_t header_size = 200;
constexpr std::size_t club_configuration_size = 1012;
constexpr std::size_t course_area_start = header_size + club_configuration_size;
constexpr std::size_t course_count_at = 98;
constexpr std::size_t member_list_preamble = 52;
constexpr std::int64_t member_list_limit = 16 * 1024 * 1024;
constexpr const char* parlink_title = "Parlink Network";

std::string database_path(const std::string& club) { return "hdb/" + club + ".db"; }

}  // namespace

std::filesystem::path parlink_courses_path(const State& state, const std::string& club) {
  return state.file(club + ".crs");
}

std::filesystem::path parlink_members_path(const State& state, const std::string& club) {
  return state.file(club + ".hdx");
}

Status download_parlink_courses(State& state) {
  std::string club = usable_club_id(state);
  if (club.empty()) return Status::told();
  NetworkActivity activity(state, parlink_title);
  InternetSession internet;
  if (!open_internet(state, internet, activity, "Downloading the course data...")) return Status::told();
  auto ftp = open_ftp_session(state, internet);
  if (!ftp) return Status::told();

  std::string head;
  Status read = ftp->read_head(database_path(club), course_area_start, head);
  if (head.size() < header_size) {
    error_box(
        state, "%s",
        with_reason("An error was encountered accessing the " + club + " configuration data on the Parlink Network.",
                    read)
            .c_str());
    return Status::told();
  }
  std::int16_t courses = 0;
  std::memcpy(&courses, head.data() + course_count_at, sizeof courses);
  std::string whole;
  // The course count comes from the wire: a negative or absurd one is refused.
  bool counted = courses >= 0 && courses <= max_course_slot_count;
  if (counted && head.size() == course_area_start) {
    std::size_t size = course_area_start + static_cast<std::size_t>(courses) * course_record_size;
    read = ftp->read_head(database_path(club), size, whole);
    if (whole.size() != size) whole.clear();
  }
  if (whole.empty()) {
    error_box(state, "%s", with_reason("An error was encountered downloading the Course Rating data.", read).c_str());
    return Status::told();
  }
  Status written = replace_file(parlink_courses_path(state, club), whole);
  if (!written) {
    error_box(state, "%s", written.reason().c_str());
    return Status::told();
  }
  return Status::ok();
}

Status download_parlink_members(State& state) {
  std::string club = usable_club_id(state);
  if (club.empty()) return Status::told();
  NetworkActivity activity(state, parlink_title);
  InternetSession internet;
  if (!open_internet(state, internet, activity, "Downloading the member list...")) return Status::told();
  std::string head;
  Status read = Status::ok();
  {
    auto ftp = open_ftp_session(state, internet);
    if (!ftp) return Status::told();
    read = ftp->read_head(database_path(club), course_area_start, head);
  }
  std::string failure = "An error was encountered accessing the " + club + " Network.";
  if (head.size() < course_area_start) {
    error_box(state, "%s", with_reason(failure, read).c_str());
    return Status::told();
  }
  std::filesystem::path target = parlink_members_path(state, club);
  std::error_code ec;
  std::filesystem::remove(target, ec);
  WebSession web(internet.settings);
  web.set_activity(internet.activity);
  Status fetched = web.get_to_file("/cgi-bin/vcapexp.exe?CID=" + url_escape(club) + "&FLT=0", member_list_preamble,
                                   member_list_limit, target);
  if (!fetched) {
    error_box(state, "%s", with_reason(failure, fetched).c_str());
    return Status::told();
  }
  return Status::ok();
}

}  // namespace quillon
