#pragma once
// "Upload scores to Parlink Network": the members' rounds of a tournament as
// ParlinkScoreRecords, put on the FTP server for the club's handicap data.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"
#include "core/result.h"
#include "core/status.h"
#include "exchange/network/net_parlink_record.h"

namespace quillon {

struct State;

// The course a division played, as matched in the club's Parlink data.
struct ParlinkCourse {
  int number = 0;  // record number in the downloaded course data
  CourseRecord record{};
};

// The record of a golfer, or nothing when the golfer is not uploaded (no
// name or member ID, not a member, disqualified, or a hole score of the
// course's holes outside 1..15).
std::optional<ParlinkScoreRecord> parlink_score_record(const GolferEntry& golfer, const ParlinkCourse& course,
                                                       int holes, int tournament_day, int upload_day,
                                                       bool tournament_scores);

inline constexpr const char* no_scores_to_upload_text =
    "No golfer of this tournament has a round that can be uploaded to the Parlink Network (a member ID, the "
    "member mark and a score for every hole are needed).  Nothing was sent.";

// The club's course data on the Parlink Network (a file in the Ravelin layout).
struct ParlinkCourseData {
  int version = 0;
  char letter = 0;
  std::vector<CourseRecord> courses;  // record k at index k - 1
};
[[nodiscard]] Result<ParlinkCourseData> read_parlink_course_data(const std::filesystem::path& path);

// What an upload sends: the records of the tournament's uploadable rounds
// (empty when there are none), worked out from the database and the course
// data without asking or sending. A failure's reason is the user's message.
[[nodiscard]] Result<std::string> plan_parlink_upload(const State& state, int tournament, const ParlinkCourseData& data,
                                                      bool tournament_scores);

// The command: tournament number 0 asks for one; asks, downloads the course
// data, plans and sends. Reports its own outcome.
Status upload_parlink_scores(State& state, int tournament);
// Puts the records on the server and has the web server merge them.
Status send_parlink_upload(State& state, const std::string& club, const std::string& records);

}  // namespace quillon
