#pragma once
// The lines of the two-list window: group header lines, golfer lines and
// vacancies, and the orders in which the whole field can be re-arranged.
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/records/golfer_entry.h"
#include "core/records/tournament_header.h"

namespace quillon {

struct State;

enum class LineKind { header, golfer, vacancy };

struct FieldLine {
  LineKind kind = LineKind::vacancy;
  int group = 0;  // the group the line belongs to
  std::string text;  // header lines only
  GolferEntry golfer{};  // golfer lines only
};

// "Name\t 8.2\tY\tN\tM": the golfer line of both lists. A stored gender other
// than M or F shows as the tournament's default gender.
std::string golfer_line_text(const GolferEntry& golfer, char default_gender);
std::string line_text(const FieldLine& line, char default_gender);

// What the right list is laid out by: the group size, how many groups it
// shows and each group's header text.
struct FieldLayout {
  int group_size = 4;
  int group_count = 0;  // groups listed (the tournament's capacity)
  std::vector<std::string> header_texts;  // by group - 1
};

// The layout of the current tournament: every group it can hold, with the
// "-- %d -- %5s ----------" header (the starting-hole label for shotgun starts).
FieldLayout field_layout(State& state);

// The lines of groups of golfers: each group's header, its golfers, then
// vacancies up to the group size; groups not given are all vacancies.
std::vector<FieldLine> lines_of_groups(const FieldLayout& layout, const std::vector<std::vector<GolferEntry>>& groups);
// The golfers in groups 1, 2, ... of `group_size`, the last one short.
std::vector<FieldLine> lines_in_order(const FieldLayout& layout, const std::vector<GolferEntry>& golfers);
// The golfers of the lines in list order.
std::vector<GolferEntry> golfers_of(const std::vector<FieldLine>& lines);

// The orders of the re-arranging buttons (each stable).
void order_by_name(std::vector<GolferEntry>& golfers);
void order_by_index(std::vector<GolferEntry>& golfers, bool ascending);
// 4 x n exchanges of two positions drawn over the whole field.
void shuffle_field(std::vector<GolferEntry>& golfers, std::mt19937& random);

// CrossOver start: the first half fills the odd groups (tee #1), the second
// half, from golfer (ceil(n / size) + 1) / 2 x size, the even groups (tee #10).
std::vector<std::vector<GolferEntry>> crossover_groups(const std::vector<GolferEntry>& ordered, int group_size);

// HI-LOW: the golfers ordered by index are cut into `group_size` bands; when
// the field is not a multiple of the group size the first (lowest) bands hold
// one golfer more. Group k takes the next golfer of every band that has one:
// from the low end of bands 1, 3, 5 and the high end of bands 2 and 4, so the
// last group is the short one.
std::vector<std::vector<GolferEntry>> high_low_groups(std::vector<GolferEntry> golfers, int group_size);

// Prev Rnd: the key "%02d%03d" of division d and previous-day score s (11 - d
// and 999 - s for descending order); "11999" for a golfer not found or found
// without a score.
struct PreviousDayScore {
  bool found = false;
  int division = 0;
  int score = 0;
};
std::string previous_round_key(const PreviousDayScore& score, bool by_division, bool ascending);

}  // namespace quillon
