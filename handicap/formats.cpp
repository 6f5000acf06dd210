#include "handicap/formats.h"

namespace quillon {

namespace {

using K = HandicapKind;
using S = Scoring;
using T = TieBreakGroup;
using P = PrimaryValue;
using Play = TeamPlay;
using Sizes = GroupSizes;
using Course = CourseSizes;
using Points = StablefordTable;

// One row per format code 0..30; a field left out takes its default above.
// A row a format, packed so that the rows read as a table.
// clang-format off
constexpr FormatTraits table[format_count] = {
    // 0
    {.name = "Callaway Handicaps", .kind = K::computed, .scoring = S::callaway, .tie_break = T::callaway,
     .lower_handicap_wins = true, .caps_at_double_par = true, .alternating_list = true,
     .callaway_on_choice = CallawayDefaults{51, 70}, .course_sizes = Course::eighteen_holes,
     .callaway_configuration = true},
    // 1
    {.name = "Gross Scores", .kind = K::gross, .scoring = S::net, .tie_break = T::gross, .primary = P::gross},
    // 2
    {.name = "Net Scores", .kind = K::net, .scoring = S::net, .tie_break = T::net, .alternating_list = true,
     .allowances = true},
    // 3
    {.name = "Stableford (Net Par)", .kind = K::net, .scoring = S::stableford, .tie_break = T::stableford,
     .primary = P::points, .stableford = Points::net_par, .alternating_list = true, .allowances = true},
    // 4
    {.name = "Stableford (Net Bogie)", .kind = K::net, .scoring = S::stableford, .tie_break = T::stableford,
     .primary = P::points, .stableford = Points::net_bogey, .alternating_list = true, .allowances = true},
    // 5
    {.name = "Daily Equalizer", .kind = K::computed, .scoring = S::daily_equalizer, .tie_break = T::net,
     .alternating_list = true, .course_sizes = Course::eighteen_holes},
    // 6
    {.name = "Best 1-2-3 Balls - Gross", .kind = K::gross, .team = true, .scoring = S::net, .tie_break = T::gross,
     .team_play = Play::best_by_par, .group_sizes = Sizes::three_to_five},
    // 7
    {.name = "Peoria Handicaps (Modified)", .kind = K::computed, .scoring = S::peoria, .tie_break = T::net,
     .alternating_list = true, .course_sizes = Course::eighteen_holes, .peoria_sets = 1},
    // 8
    {.name = "Net Scores with 1 Callaway Division", .kind = K::net, .scoring = S::net_or_callaway_division,
     .alternating_list = true, .callaway_configuration = true},
    // 9
    {.name = "Best Ball(s) - Gross", .kind = K::gross, .team = true, .scoring = S::net, .tie_break = T::gross,
     .team_play = Play::best_balls, .group_sizes = Sizes::two_to_five, .best_balls_choice = true},
    // 10
    {.name = "Best Ball(s) - Net", .kind = K::net, .team = true, .scoring = S::net, .tie_break = T::net,
     .team_play = Play::best_balls, .team_strokes = true, .group_sizes = Sizes::two_to_five,
     .best_balls_choice = true},
    // 11
    {.name = "Best Ball (4 Man Gross)", .kind = K::gross, .team = true, .hidden = true, .group_sizes = Sizes::team},
    // 12
    {.name = "Best Ball (4 Man Net)", .kind = K::net, .team = true, .hidden = true, .group_sizes = Sizes::team},
    // 13
    {.name = "Scramble", .kind = K::gross, .team = true, .scoring = S::net, .tie_break = T::gross,
     .team_play = Play::first_card, .group_sizes = Sizes::two_to_five},
    // 14
    {.name = "Best 2 Balls (Net)", .kind = K::net, .team = true, .hidden = true, .group_sizes = Sizes::team},
    // 15
    {.name = "Best 2 Balls (Gross)", .kind = K::gross, .team = true, .hidden = true, .group_sizes = Sizes::team},
    // 16
    {.name = "Callaway Scramble", .kind = K::computed, .team = true, .scoring = S::callaway_team_card,
     .tie_break = T::callaway, .team_play = Play::lowest_card, .team_strokes = true, .caps_at_double_par = true,
     .callaway_on_choice = CallawayDefaults{51, 54}, .group_sizes = Sizes::two_to_five,
     .callaway_configuration = true},
    // 17
    {.name = "Callaway (Executive)", .kind = K::computed, .scoring = S::callaway, .tie_break = T::callaway,
     .lower_handicap_wins = true, .caps_at_double_par = true, .alternating_list = true,
     .callaway_on_choice = CallawayDefaults{51, 60}, .course_sizes = Course::eighteen_holes,
     .callaway_configuration = true},
    // 18
    {.name = "Callaway 9 Hole", .kind = K::computed, .scoring = S::callaway_nine, .tie_break = T::callaway,
     .lower_handicap_wins = true, .caps_at_double_par = true, .alternating_list = true,
     .callaway_on_choice = CallawayDefaults{25, 35}, .course_sizes = Course::nine_holes,
     .callaway_configuration = true},
    // 19
    {.name = "Ambrose", .kind = K::net, .team = true, .scoring = S::ambrose, .tie_break = T::net,
     .team_play = Play::lowest_card, .lower_handicap_wins = true, .caps_at_double_par = true,
     .group_sizes = Sizes::two_to_five},
    // 20
    {.name = "Stableford (Custom)", .kind = K::net, .scoring = S::stableford, .tie_break = T::stableford,
     .primary = P::points, .stableford = Points::custom, .alternating_list = true, .allowances = true},
    // 21
    {.name = "System 36", .kind = K::gross, .scoring = S::system36, .tie_break = T::system36,
     .lower_handicap_wins = true},
    // 22
    {.name = "Best 1-2-3 Balls - Net", .kind = K::gross, .team = true, .scoring = S::net, .tie_break = T::net,
     .team_play = Play::best_by_par, .team_strokes = true, .group_sizes = Sizes::three_to_five},
    // 23
    {.name = "Best Holes - Gross", .kind = K::gross, .scoring = S::best_holes, .primary = P::to_par,
     .best_holes_choice = true},
    // 24
    {.name = "Best Holes - Net", .kind = K::net, .scoring = S::best_holes, .primary = P::to_par,
     .best_holes_choice = true},
    // 25
    {.name = "Scheid Handicaps", .kind = K::gross, .scoring = S::callaway, .tie_break = T::callaway,
     .lower_handicap_wins = true, .caps_at_double_par = true, .callaway_on_choice = CallawayDefaults{50, 72}},
    // 26
    {.name = "Best Ball(s) - Stableford Custom", .kind = K::net, .team = true, .scoring = S::stableford,
     .tie_break = T::stableford, .team_play = Play::stableford_points, .stableford = Points::custom,
     .group_sizes = Sizes::two_to_five, .best_balls_choice = true},
    // 27
    {.name = "Best 2 Balls (1 Gross, 1 Net)", .kind = K::net, .team = true, .scoring = S::net, .tie_break = T::gross,
     .team_play = Play::one_gross_one_net, .team_strokes = true, .group_sizes = Sizes::two_to_five},
    // 28
    {.name = "Peoria Handicaps (Single)", .kind = K::computed, .scoring = S::peoria, .tie_break = T::net,
     .alternating_list = true, .course_sizes = Course::eighteen_holes, .peoria_sets = 1},
    // 29
    {.name = "Peoria Handicaps (Double)", .kind = K::computed, .scoring = S::peoria, .tie_break = T::net,
     .alternating_list = true, .course_sizes = Course::eighteen_holes, .peoria_sets = 2},
    // 30
    {.name = "Best Ball(s) - Callaway Net", .kind = K::computed, .team = true, .scoring = S::callaway,
     .team_play = Play::best_balls, .team_strokes = true, .alternating_list = true,
     .callaway_on_choice = CallawayDefaults{51, 70}, .group_sizes = Sizes::two_to_five,
     .course_sizes = Course::eighteen_holes, .callaway_configuration = true, .best_balls_choice = true},
};
// clang-format on

constexpr FormatTraits outside_table{};

}  // namespace

bool is_table_format(int code) { return code >= 0 && code < format_count; }

const FormatTraits& format_traits(Format format) {
  const int code = format_code(format);
  return is_table_format(code) ? table[code] : outside_table;
}

const FormatTraits& format_traits(const TournamentHeader& header) { return format_traits(format_of(header)); }

const char* format_name(Format format) { return format_traits(format).name; }

std::vector<Format> offered_formats() {
  std::vector<Format> formats;
  for (int code = 0; code < format_count; ++code)
    if (!table[code].hidden) formats.push_back(static_cast<Format>(code));
  return formats;
}

CallawayDefaults callaway_defaults(Format format) {
  return format_traits(format).callaway_on_choice.value_or(standard_callaway_defaults);
}

}  // namespace quillon
