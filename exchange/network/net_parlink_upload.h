#pragma once
// "Upload scores to Parlink Network": the members' rounds of a tournament as
// ParlinkScoreRecords, put on the FTP server for the club's handicap data.
#include <optional>
#include <string>

#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"
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

// Tournament number 0 asks for one. Reports its own outcome.
Status upload_parlink_scores(State& state, int tournament);

}  // namespace quillon
