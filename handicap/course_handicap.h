#pragma once
// Handicap indexes, course handicaps and playing handicaps. Indexes are held in
// tenths of a stroke (negative = a plus handicap); course and playing handicaps
// are whole strokes. All arithmetic is integer arithmetic.
#include <string>

#include "core/records/course_record.h"
#include "core/records/tournament_header.h"
#include "handicap/formats.h"

namespace quillon {

struct State;

// Index in tenths to whole strokes: index x slope / 113, plus the rating less
// ten times par when those are included, rounded half away from zero.
int course_handicap(int index_tenths, int slope, int rating_tenths, int par, bool include_rating_and_par);

// The course handicap of a golfer of the tournament: the truncated index itself
// for computed formats and for the Callaway division of format 8, otherwise
// course_handicap with the values of the golfer's sex from the tee record.
int golfer_course_handicap(const TournamentHeader& header, const CourseRecord& tee, int index_tenths, char sex,
                           int division);
// The same for the current tournament header and course/tee record.
int golfer_course_handicap(const State& state, int index_tenths, char sex, int division);

// Allowance percent of the course handicap, rounded half away from zero.
int playing_handicap(int course_handicap, int allowance_percent);

// Report forms: an index as "%4.1f", a plus index as "+%3.1f" of its
// magnitude, blank for 0; a course or playing handicap as "%d", or "+%d" of
// its magnitude when negative.
std::string index_report_text(int index_tenths);
std::string handicap_report_text(int strokes);
}  // namespace quillon
