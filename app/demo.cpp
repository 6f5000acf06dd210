#include "app/demo.h"

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/application.h"
#include "app/demo_championship.h"
#include "core/scripted_ui.h"
#include "core/state.h"

namespace quillon {

namespace {

using Typing = std::vector<std::pair<std::string, std::string>>;

constexpr int pars[18] = {4, 5, 3, 4, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 4, 5};
constexpr int men_strokes[18] = {7, 3, 17, 1, 11, 9, 15, 5, 13, 8, 2, 18, 6, 10, 12, 16, 4, 14};
constexpr int women_strokes[18] = {5, 1, 17, 7, 11, 9, 15, 3, 13, 6, 4, 18, 2, 10, 12, 16, 8, 14};
constexpr int lengths[18] = {402, 515, 168, 431, 376, 389, 154, 528, 410, 395, 441, 182, 537, 364, 405, 171, 423, 506};

Typing demo_course() {
  Typing t = {{"course_name", "Lakeside Golf Club"},
              {"course_abbrev", "LAKE"},
              {"tee_name", "White"},
              {"men_rating", "71.8"},
              {"men_rating_f9", "35.9"},
              {"men_rating_b9", "35.9"},
              {"men_slope", "128"},
              {"women_rating", "74.6"},
              {"women_rating_f9", "37.3"},
              {"women_rating_b9", "37.3"},
              {"women_slope", "131"},
              {"phone", "555-0142"}};
  for (int h = 0; h < 18; ++h) {
    std::string n = std::to_string(h + 1);
    t.emplace_back("men_par." + n, std::to_string(pars[h]));
    t.emplace_back("women_par." + n, std::to_string(pars[h]));
    t.emplace_back("men_hcp_hole." + n, std::to_string(men_strokes[h]));
    t.emplace_back("women_hcp_hole." + n, std::to_string(women_strokes[h]));
    t.emplace_back("hole_length." + n, std::to_string(lengths[h]));
  }
  return t;
}

// The field: name, handicap index and gender of each golfer.
constexpr const char* demo_golfers[20][3] = {
    {"Alan Brooks", "8.4", "M"}, {"Brian Carter", "12.1", "M"}, {"Claire Dunn", "18.6", "F"},
    {"David Evans", "4.2", "M"}, {"Emma Fisher", "22.3", "F"},  {"Frank Green", "15.7", "M"},
    {"Grace Hall", "9.9", "F"},  {"Henry Irwin", "+1.2", "M"},  {"Isla Jones", "27.5", "F"},
    {"Jack Kelly", "11.0", "M"}, {"Karen Lewis", "14.4", "F"},  {"Liam Moore", "6.8", "M"},
    {"Mary Nolan", "20.2", "F"}, {"Neil Owens", "17.3", "M"},   {"Olive Price", "24.8", "F"},
    {"Paul Quinn", "3.5", "M"},  {"Rose Reid", "16.1", "F"},    {"Sam Shaw", "10.6", "M"},
    {"Tina Walsh", "19.4", "F"}, {"Victor Young", "13.9", "M"}};
constexpr int golfer_count = 20;
constexpr int golfers_per_group = 4;

// The second course: its ladies' tees.
Typing ladies_course() {
  Typing t = {{"course_name", "Hillcrest Golf Club"},
              {"course_abbrev", "HILL"},
              {"tee_name", "Red"},
              {"men_rating", "68.9"},
              {"men_rating_f9", "34.4"},
              {"men_rating_b9", "34.5"},
              {"men_slope", "118"},
              {"women_rating", "71.2"},
              {"women_rating_f9", "35.5"},
              {"women_rating_b9", "35.7"},
              {"women_slope", "125"},
              {"phone", "555-0177"}};
  for (int h = 0; h < 18; ++h) {
    std::string n = std::to_string(h + 1);
    t.emplace_back("men_par." + n, std::to_string(pars[h]));
    t.emplace_back("women_par." + n, std::to_string(pars[h] == 4 && h % 6 == 0 ? 5 : pars[h]));
    t.emplace_back("men_hcp_hole." + n, std::to_string(men_strokes[h]));
    t.emplace_back("women_hcp_hole." + n, std::to_string(women_strokes[h]));
    t.emplace_back("hole_length." + n, std::to_string(lengths[h] * 82 / 100));
  }
  return t;
}

struct DemoEvent {
  const char* name;
  const char* date;
  const char* format;
  bool team_card;  // one card per group (scramble) instead of one per golfer
};

// The club's season. Each event keeps its own seed, so its cards differ from
// the others' but are the same at every set-up.
constexpr DemoEvent season[] = {
    {"Winter Medal", "2026-01-17", "Net Scores", false},
    {"Spring Stableford", "2026-04-11", "Stableford (Net Par)", false},
    {"Summer Best Ball", "2026-06-20", "Best Ball(s) - Net", false},
    {"Autumn Scramble", "2026-09-26", "Scramble", true},
};

Typing demo_tournament(const DemoEvent& event) {
  return {{"date", event.date}, {"name", event.name},     {"format", event.format},   {"contact", "Club Secretary"},
          {"group_size", "4"},  {"tee_interval", " 7.5"}, {"first_tee_time", "08:00"}};
}

Typing demo_field() {
  Typing t;
  for (int i = 0; i < 16; ++i) {
    std::string at = std::to_string(i / 4 + 1) + "." + std::to_string(i % 4 + 1);
    t.emplace_back("name." + at, demo_golfers[i][0]);
    t.emplace_back("index." + at, demo_golfers[i][1]);
    t.emplace_back("gender." + at, demo_golfers[i][2]);
  }
  // The fifth group comes with the next page of the window.
  Typing rest = {{"group_number", "4"}};
  for (int i = 16; i < golfer_count; ++i) {
    std::string at = "2." + std::to_string(i % 4 + 1);
    rest.emplace_back("name." + at, demo_golfers[i][0]);
    rest.emplace_back("index." + at, demo_golfers[i][1]);
    rest.emplace_back("gender." + at, demo_golfers[i][2]);
  }
  t.insert(t.end(), rest.begin(), rest.end());
  return t;
}

// The handicap index in tenths ("+1.2" is a plus handicap).
int index_tenths(const char* text) {
  bool plus = text[0] == '+';
  double value = std::atof(plus ? text + 1 : text);
  int tenths = static_cast<int>(value * 10 + 0.5);
  return plus ? -tenths : tenths;
}

// Strokes a golfer of the index receives on the hole: the course handicap
// (slope 128 men, 131 ladies) spread over the holes by stroke index.
int strokes_on(int tenths, bool lady, int hole) {
  int slope = lady ? 131 : 128;
  int course_handicap = (tenths * slope + (tenths >= 0 ? 565 : -565)) / 1130;
  int stroke_index = lady ? women_strokes[hole] : men_strokes[hole];
  if (course_handicap < 0) return stroke_index > 18 + course_handicap ? -1 : 0;
  return course_handicap / 18 + (stroke_index <= course_handicap % 18 ? 1 : 0);
}

// A hole score: par, the golfer's strokes, and a seeded swing of one under
// to two over, so that net scores lie around par whatever the handicap.
int hole_score(std::mt19937& dice, int tenths, bool lady, int hole) {
  unsigned roll = dice() % 100;
  int swing = roll < 18 ? -1 : roll < 70 ? 0 : roll < 92 ? 1 : 2;
  return std::max(2, pars[hole] + strokes_on(tenths, lady, hole) + swing);
}

Typing demo_scores(unsigned seed) {
  std::mt19937 dice(seed);
  Typing t;
  for (int golfer = 0; golfer < golfer_count; ++golfer) {
    int group = golfer / golfers_per_group;
    int row = golfer % golfers_per_group + 1;
    if (row == 1 && group > 0) t.emplace_back("!next", "");
    int tenths = index_tenths(demo_golfers[golfer][1]);
    bool lady = demo_golfers[golfer][2][0] == 'F';
    for (int h = 0; h < 18; ++h)
      t.emplace_back("score." + std::to_string(row) + "." + std::to_string(h + 1),
                     std::to_string(hole_score(dice, tenths, lady, h)));
  }
  return t;
}

// A scramble team plays one ball: a little under par, seeded the same way.
Typing demo_team_scores(unsigned seed) {
  std::mt19937 dice(seed);
  Typing t;
  for (int group = 0; group < golfer_count / golfers_per_group; ++group) {
    if (group > 0) t.emplace_back("!next", "");
    for (int h = 0; h < 18; ++h) {
      unsigned roll = dice() % 100;
      int swing = roll < 35 ? -1 : roll < 92 ? 0 : 1;
      t.emplace_back("score.1." + std::to_string(h + 1), std::to_string(pars[h] + swing));
    }
  }
  return t;
}

}  // namespace

bool prepare_demo_home(const std::filesystem::path& home, const Clock& clock) {
  std::error_code ec;
  std::filesystem::create_directories(home, ec);
  if (std::filesystem::exists(home / "qlwin4.dat", ec)) return true;
  ScriptedUi ui;
  State state(ui, clock, home);
  try {
    int code = 0;
    if (!start_application(state, {}, code)) return false;
    ui.dialog({{{"reporting_name", "Demonstration Club"}, {"use_as_heading", "1"}}, false, false});
    if (!dispatch_command(state, 1407)) return false;
    ui.dialog({demo_course(), false, false});
    if (!dispatch_command(state, 1308)) return false;
    ui.dialog({ladies_course(), false, false});
    if (!dispatch_command(state, 1308)) return false;
    Typing field = demo_field();
    auto split = std::find_if(field.begin(), field.end(), [](const auto& p) { return p.first == "group_number"; });
    constexpr unsigned first_seed = 1849;
    int slot = 0;
    for (const DemoEvent& event : season) {
      ++slot;
      ui.dialog({demo_tournament(event), false, false});
      if (!dispatch_command(state, 1301)) return false;
      ui.select(SelectionKind::tournament, std::to_string(slot));
      ui.dialog({Typing(field.begin(), split), false, false});
      if (!dispatch_command(state, 1303)) return false;
      ui.dialog({Typing(split, field.end()), false, false});
      if (!dispatch_command(state, 1303)) return false;
      unsigned seed = first_seed + static_cast<unsigned>(slot);
      ui.dialog({event.team_card ? demo_team_scores(seed) : demo_scores(seed), false, false});
      if (!dispatch_command(state, 1305)) return false;
    }
    // The season ends with the three-day championship.
    if (!add_demo_championship(state, ui)) return false;
  } catch (const std::exception&) {
    return false;
  }
  return !ui.error_shown() && ui.refused_dialogs == 0;
}

}  // namespace quillon
