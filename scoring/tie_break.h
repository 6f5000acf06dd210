#pragma once
// Tie-break methods, encoded as decimal digits appended to a sort key so that
// one ascending byte-wise sort ranks by result, handicap preference and method.
#include <array>
#include <string>

#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"
#include "core/records/system_record.h"
#include "core/records/tournament_header.h"
#include "scoring/key_digits.h"
#include "scoring/stroke_tables.h"

namespace quillon {

namespace tie_break_method {
inline constexpr int count_back = 0;  // "Count Back From 18"
inline constexpr int last_9631 = 1;  // "Last 9, 6, 3, 1"
inline constexpr int australian = 2;  // "Australian Count Back"
inline constexpr int none = 3;  // "None"
}  // namespace tie_break_method

// Every method writes 36 digits: eighteen "%02d" or twelve "%03d" fields.
inline constexpr int tie_break_digit_count = tie_break_key_digits;

// The share of a course handicap h for the last n (1, 3, 6, 9) holes, in whole
// strokes and in tenths; divisions truncate toward zero.
int handicap_share(int h, int n);
int handicap_share_tenths(int h, int n);

enum class ShareUnit { none, strokes, tenths };

// What a method compares, hole by hole.
struct TieBreakRow {
  int hole_count = 18;
  // Count back: the two digits of each hole. The other methods: the value of
  // each hole, lower is better.
  std::array<int, 18> values{};
  // "Last 9, 6, 3, 1": the handicap whose share comes off each sum.
  int share_handicap = 0;
  ShareUnit share = ShareUnit::none;
};

// The digits of a method for a row; fields are held to their width.
std::string tie_break_digits(const TieBreakRow& row, int method);
void append_tie_break_digits(KeyText& out, const TieBreakRow& row, int method);

// The row of a scored golfer: net values (hole score less the strokes of the
// golfer's course handicap), gross for "Gross Scores" and System 36, capped at
// twice the par in the Callaway group, Stableford points in that group. With
// `gross_values` the raw scores are compared (the gross list of the
// alternating report). `tables`, when given, supply the strokes per hole.
TieBreakRow golfer_tie_break_row(const TournamentHeader& header, const CourseRecord& tee, const SystemRecord& system,
                                 const GolferEntry& golfer, char sex, int method, bool gross_values = false,
                                 StrokeTables* tables = nullptr);

// The digits of a scored golfer by the tournament's method.
std::string tie_break_digits(const TournamentHeader& header, const CourseRecord& tee, const SystemRecord& system,
                             const GolferEntry& golfer, char sex, bool gross_values = false);
void append_tie_break_digits(KeyText& out, const TournamentHeader& header, const CourseRecord& tee,
                             const SystemRecord& system, const GolferEntry& golfer, char sex, bool gross_values = false,
                             StrokeTables* tables = nullptr);

}  // namespace quillon
