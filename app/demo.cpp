#include "app/demo.h"

#include <algorithm>
#include <cstdlib>
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
  Typing t = {{"course_name", "Lakeside Golf Club"}, {"course_abbrev", "LAKE"},  {"tee_name", "White"},
              {"men_rating", "71.8"},                {"men_rating_f9", "35.9"}, {"men_rating_b9", "35.9"},
              {"men_slope", "128"},                  {"women_rating", "74.6"},  {"women_rating_f9", "37.3"},
              {"women_rating_b9", "37.3"},           {"women_slope", "131"},    {"phone", "555-0142"}};
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

Typing demo_tournament() {
  return {{"name", "Winter Medal"}, {"format", "Net Scores"}, {"contact", "Club Secretary"},
          {"group_size", "4"}, {"tee_interval", " 7.5"}, {"first_tee_time", "08:00"}};
}

Typing demo_field() {
  static const char* const golfers[20][3] = {
      {"Alan Brooks", "8.4", "M"},    {"Brian Carter", "12.1", "M"}, {"Claire Dunn", "18.6", "F"},
      {"David Evans", "4.2", "M"},    {"Emma Fisher", "22.3", "F"},  {"Frank Green", "15.7", "M"},
      {"Grace Hall", "9.9", "F"},     {"Henry Irwin", "+1.2", "M"},  {"Isla Jones", "27.5", "F"},
      {"Jack Kelly", "11.0", "M"},    {"Karen Lewis", "14.4", "F"},  {"Liam Moore", "6.8", "M"},
      {"Mary Nolan", "20.2", "F"},    {"Neil Owens", "17.3", "M"},   {"Olive Price", "24.8", "F"},
      {"Paul Quinn", "3.5", "M"},     {"Rose Reid", "16.1", "F"},    {"Sam Shaw", "10.6", "M"},
      {"Tina Walsh", "19.4", "F"},    {"Victor Young", "13.9", "M"}};
  Typing t;
  for (int i = 0; i < 16; ++i) {
    std::string at = std::to_string(i / 4 + 1) + "." + std::to_string(i % 4 + 1);
    t.emplace_back("name." + at, golfers[i][0]);
    t.emplace_back("index." + at, golfers[i][1]);
    t.emplace_back("gender." + at, golfers[i][2]);
  }
  // The fifth group comes with the next page of the window.
  Typing rest = {{"group_number", "4"}};
  for (int i = 16; i < 20; ++i) {
    std::string at = "2." + std::to_string(i % 4 + 1);
    rest.emplace_back("name." + at, golfers[i][0]);
    rest.emplace_back("index." + at, golfers[i][1]);
    rest.emplace_back("gender." + at, golfers[i][2]);
  }
  t.insert(t.end(), rest.begin(), rest.end());
  return t;
}

// Cards for the twenty golfers, page by page of the score window: a steady
// pattern around par, a little higher for the higher handicaps.
Typing demo_scores() {
  Typing t;
  for (int golfer = 0; golfer < 20; ++golfer) {
    int group = golfer / 4;
    int row = golfer % 4 + 1;
    if (row == 1 && group > 0) t.emplace_back("!next", "");
    for (int h = 0; h < 18; ++h) {
      int over = ((golfer * 7 + h * 5) % 11) < (2 + golfer % 5) ? 1 : 0;
      if ((golfer + h) % 13 == 0) over += 1;
      if ((golfer * 3 + h) % 17 == 0) over -= 1;
      t.emplace_back("score." + std::to_string(row) + "." + std::to_string(h + 1), std::to_string(pars[h] + over));
    }
  }
  return t;
}

}  // namespace

std::filesystem::path demo_home_folder() {
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home && *home ? home : ".") / "ql4-demo";
}

bool prepare_demo_home(const std::filesystem::path& home, const Clock& clock) {
  std::error_code ec;
  std::filesystem::create_directories(home, ec);
  if (std::filesystem::exists(home / "qlwin4.dat", ec)) return true;
  ScriptedUi ui;
  State state(ui, clock, home);
  try {
    int code = 0;
    if (!start_application(state, {}, code)) return false;
    ui.dialog({demo_course(), false, false});
    dispatch_command(state, 1308);
    ui.dialog({demo_tournament(), false, false});
    dispatch_command(state, 1301);
    ui.select(SelectionKind::tournament, "1");
    Typing field = demo_field();
    auto split = std::find_if(field.begin(), field.end(), [](const auto& p) { return p.first == "group_number"; });
    ui.dialog({Typing(field.begin(), split), false, false});
    dispatch_command(state, 1303);
    ui.dialog({Typing(split, field.end()), false, false});
    dispatch_command(state, 1303);
    ui.dialog({demo_scores(), false, false});
    dispatch_command(state, 1305);
    add_demo_championship(state, ui);
  } catch (const std::exception&) {
    return false;
  }
  return !ui.error_shown() && ui.refused_dialogs == 0;
}

}  // namespace quillon
