#include "exchange/network/net_parlink_upload.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/ravelin.h"
#include "core/record_values.h"
#include "core/state.h"
#include "core/text.h"
#include "exchange/network/net_club_id.h"
#include "exchange/network/net_files.h"
#include "exchange/network/net_parlink_download.h"
#include "exchange/network/net_session.h"
#include "tournament/tournament_selection.h"

namespace quillon {

namespace {

constexpr int lowest_hole_score = 1;
constexpr int highest_hole_score = 15;
constexpr int accepted_versions[] = {2023, 2024, 2025};
constexpr std::size_t insertrnd_answer_limit = 1000;
constexpr std::size_t mergefiles_answer_limit = 500;
constexpr const char* upload_title = "Upload scores to Parlink Network";

// The first course whose course and tee names are exactly the same.
int matching_course(const ParlinkCourseData& data, const CourseRecord& course) {
  for (std::size_t k = 0; k < data.courses.size(); ++k)
    if (field_text(data.courses[k].course_name) == field_text(course.course_name) &&
        field_text(data.courses[k].tee_name) == field_text(course.tee_name))
      return static_cast<int>(k) + 1;
  return 0;
}

bool same_version_or_accepted(const State& state, const ParlinkCourseData& data) {
  if (data.version == state.system.program_version && data.letter == state.system.program_version_letter) return true;
  for (int v : accepted_versions)
    if (data.version == v) return true;
  return false;
}

}  // namespace

std::optional<ParlinkScoreRecord> parlink_score_record(const GolferEntry& golfer, const ParlinkCourse& course,
                                                       int holes, int tournament_day, int upload_day,
                                                       bool tournament_scores) {
  if (field_empty(golfer.name) || field_empty(golfer.member_id) || !golfer.is_member || golfer.disqualified ||
      golfer.hole_scores[0] == 0)
    return std::nullopt;
  ParlinkScoreRecord r{};
  std::string id = field_text(golfer.member_id);
  std::memcpy(r.member_id, id.data(), std::min(id.size(), sizeof r.member_id));
  set_field_text_terminated(r.name, field_text(golfer.name));
  r.tournament_day = static_cast<std::uint16_t>(tournament_day);
  int gross = 0;
  for (int h = 0; h < holes; ++h) {
    int score = golfer.hole_scores[h];
    if (score < lowest_hole_score || score > highest_hole_score) return std::nullopt;
    r.hole_pairs[h / 2] |= static_cast<std::uint32_t>(score) << (16 * (h % 2));
    gross += score;
  }
  r.gross = static_cast<std::uint8_t>(gross);
  r.gross_again = r.gross;
  bool men = golfer.gender == 'M';
  r.rating = static_cast<std::uint16_t>(men ? course.record.men_rating : course.record.women_rating);
  r.slope = men ? course.record.men_slope : course.record.women_slope;
  r.upload_day = static_cast<std::uint16_t>(upload_day);
  r.course_number = static_cast<std::uint16_t>(course.number);
  r.flags = parlink_flag::always | (tournament_scores ? parlink_flag::tournament_score : 0);
  return r;
}

Result<ParlinkCourseData> read_parlink_course_data(const std::filesystem::path& path) {
  RavelinReader reader(path.string());
  Status unreadable = Status::failed("The Parlink Network course data " + path.string() + " cannot be read.");
  if (!reader.open_ravelin()) return unreadable;
  if (reader.read_ravelin(ravelin_kind::header, 1) < 200) return unreadable;
  ParlinkCourseData data;
  data.version = reader.version();
  data.letter = reader.version_letter();
  int n = reader.course_slots();
  for (int k = 1; k <= n; ++k) {
    if (reader.read_ravelin(ravelin_kind::course, k) < course_record_size) break;
    data.courses.push_back(reader.course());
  }
  return data;
}

Result<std::string> plan_parlink_upload(const State& state, int tournament, const ParlinkCourseData& data,
                                        bool tournament_scores) {
  Result<TournamentHeader> header = load_header(state, tournament);
  if (!header) return header.status();
  if (!same_version_or_accepted(state, data))
    return Status::failed(
        format_text(message_limit,
                    "Quillon for Windows %d.%c cannot exchange scores with an Parlink Network (%d.%c) "
                    "system.  One or both of the systems must be updated.",
                    state.system.program_version, state.system.program_version_letter, data.version, data.letter));
  std::vector<ParlinkCourse> division_course(static_cast<std::size_t>(std::max<int>(header->division_count, 1)));
  for (int d = 1; d <= header->division_count; ++d) {
    Result<CourseRecord> course = load_course(state, header->division_tee[d - 1]);
    if (!course) return course.status();
    int number = matching_course(data, *course);
    if (number == 0)
      return Status::failed(format_text(message_limit,
                                        "The course for division %d (%s - %s) could not be located in the course "
                                        "database on the Parlink Network.  The scores for this tournament cannot be "
                                        "uploaded.",
                                        d, field_text(course->course_name).c_str(),
                                        field_text(course->tee_name).c_str()));
    division_course[d - 1] = ParlinkCourse{number, data.courses[number - 1]};
  }
  Result<CourseRecord> first_course = load_course(state, header->division_tee[0]);
  if (!first_course) return first_course.status();
  int holes = first_course->hole_count == 9 ? 9 : 18;
  std::string records;
  for (int g = 1; g <= header->group_count; ++g) {
    Result<GroupBuffer> group = load_group(state, tournament, *header, g);
    if (!group) return group.status();
    for (int i = 0; i < header->group_size && i < max_group_size; ++i) {
      const GolferEntry& golfer = group->entries[i];
      int d = std::clamp<int>(golfer.division, 1, static_cast<int>(division_course.size()));
      auto record = parlink_score_record(golfer, division_course[d - 1], holes, tournament_day_number(*header),
                                         state.today.day_number, tournament_scores);
      if (record) records.append(reinterpret_cast<const char*>(&*record), sizeof *record);
    }
  }
  return records;
}

Status upload_parlink_scores(State& state, int tournament) {
  BusyCursor busy(state);
  if (tournament == 0) tournament = select_tournament(state, TournamentList::days);
  if (tournament == 0) return Status::told();
  Button marked = ask_titled(state, message_kind::warning_yes_no_cancel, upload_title,
                             "Should the uploaded scores be marked as Tournament scores?");
  if (marked == Button::cancel) return Status::told();

  std::string club = usable_club_id(state);
  if (club.empty()) return Status::told();
  Result<TournamentHeader> header = load_header(state, tournament);
  if (!header) return header.status();
  Result<CourseRecord> first_course = load_course(state, header->division_tee[0]);
  if (!first_course) return first_course.status();

  if (!download_parlink_courses(state)) return Status::told();
  Result<ParlinkCourseData> data = read_parlink_course_data(parlink_courses_path(state, club));
  if (!data) {
    error_box(state,
              "The selected tournament was played on the %s - %s course.  The matching course could not be "
              "located in the Parlink Network data",
              field_text(first_course->course_name).c_str(), field_text(first_course->tee_name).c_str());
    return Status::told();
  }
  Result<std::string> records = plan_parlink_upload(state, tournament, *data, marked == Button::yes);
  if (!records) {
    error_box(state, "%s", records.status().reason().c_str());
    return Status::told();
  }
  // An empty upload would be reported as a success with nothing posted.
  if (records->empty()) {
    not_done_box(state, message_kind::information, "%s", no_scores_to_upload_text);
    return Status::told();
  }
  return send_parlink_upload(state, club, *records);
}

Status send_parlink_upload(State& state, const std::string& club, const std::string& records) {
  std::filesystem::path upload = state.file(club + ".tmp");
  Status written = replace_file(upload, records);
  if (!written) {
    error_box(state, "%s", written.reason().c_str());
    return Status::told();
  }

  NetworkActivity activity(state, upload_title);
  InternetSession internet;
  if (!open_internet(state, internet, activity, "Uploading the scores...")) return Status::told();
  std::unique_ptr<FtpSession> second;
  {
    auto ftp = open_ftp_session(state, internet);
    if (!ftp) return Status::told();
    Result<bool> found = ftp->exists("hdb/" + club + ".db");
    if (!found || !*found) {
      error_box(state, "%s",
                with_reason("Quillon for Windows was unable to locate your club's data on the Tolvane Parlink Network.",
                            found ? Status::ok() : found.status())
                    .c_str());
      return Status::told();
    }
    second = ftp->as_user(internet.settings.parlink_user);
  }
  second->set_activity(internet.activity);
  Status put = second->logon();
  if (put) put = second->put(upload, "hdb/" + club + ".tmp");
  second.reset();
  if (!put) {
    error_box(state, "%s",
              with_reason("ERR : The upload of data to the Parlink Network is being blocked by firewall or antivirus "
                          "software on this computer.",
                          put)
                  .c_str());
    return Status::told();
  }
  WebSession web(internet.settings);
  web.set_activity(internet.activity);
  // The two requests merge the file into the club's data; an error status
  // from either means the scores did not arrive. Their answers say nothing more.
  Status merged =
      web.get("/cgi-bin/insertrnd.exe?CID=" + url_escape(club) + "&ACTION=Submit", insertrnd_answer_limit, true).status;
  if (merged)
    merged = web.get("/cgi-bin/mergefiles.exe?SRC=" + url_escape(club + ".tmp") + "&DST=" + url_escape(club + ".new") +
                         "&ACTION=Submit",
                     mergefiles_answer_limit, true)
                 .status;
  if (!merged) {
    error_box(state, "%s",
              with_reason("The scores were sent but the Parlink Network did not take them in.", merged).c_str());
    return Status::told();
  }
  message_box(state, message_kind::information,
              "The upload of scores to the Parlink Network was successfully completed.");
  return Status::ok();
}

}  // namespace quillon
