#pragma once
// A database in a temporary folder for a benchmark, started as the program
// starts it, and removed afterwards.
#include <unistd.h>
#include <stdexcept>

#include <array>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "core/database.h"
#include "core/database_startup.h"
#include "core/fixed_text.h"
#include "core/scripted_ui.h"
#include "core/state.h"
#include "core/status.h"

namespace quillon::bench {

// A benchmark's set-up that fails ends the run with the reason.
inline void require(const Status& done, const char* what) {
  if (!done) throw std::runtime_error(std::string(what) + " failed: " + done.reason());
}

// Course slot 1: "Quarry Hills", White, 18 holes of par 72 for men and
// women, stroke index = hole number, slope 125, rating 71.5, hole lengths
// 300, 310, ... yards.
inline void write_bench_course(State& state) {
  std::memset(&state.course, 0, sizeof state.course);
  set_field_text(state.course.course_name, "Quarry Hills");
  set_field_text(state.course.tee_name, "White");
  state.course.hole_count = 18;
  constexpr std::array<int, 9> nine = {4, 4, 3, 5, 4, 4, 3, 5, 4};
  for (int i = 0; i < 18; ++i) {
    state.course.men_par[i] = state.course.women_par[i] = static_cast<std::int8_t>(nine[i % 9]);
    state.course.men_hcp_hole[i] = state.course.women_hcp_hole[i] = static_cast<std::int8_t>(i + 1);
    state.course.hole_length[i] = static_cast<std::int16_t>(300 + 10 * i);
  }
  state.course.men_total_par = state.course.women_total_par = 72;
  state.course.men_slope = state.course.women_slope = 125;
  state.course.men_rating = state.course.women_rating = 715;
  require(write_record(state, RecordKind::course, 1), "write_record");
}

// Groups 1..group_count of the current tournament, each of `group_size`
// golfers "Golfer N" (men, division 1) with varied indexes and 18 hole scores.
inline void write_bench_field(State& state, int group_count, int group_size) {
  for (int g = 1; g <= group_count; ++g) {
    std::memset(&state.group, 0, sizeof state.group);
    for (int slot = 0; slot < group_size; ++slot) {
      GolferEntry& e = state.group.entries[slot];
      int n = (g - 1) * group_size + slot;
      set_field_text(e.name, "Golfer " + std::to_string(n));
      e.gender = 'M';
      e.division = 1;
      e.handicap_index = static_cast<std::int16_t>((n * 37) % 360);
      for (int h = 0; h < 18; ++h) e.hole_scores[h] = static_cast<std::int8_t>(3 + (n * 7 + h * 11) % 5);
    }
    require(write_record(state, RecordKind::group, g), "write_record");
  }
}

struct BenchHome {
  explicit BenchHome(const std::string& name) : clock(DateTime{2026, 12, 7}) {
    home = std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(home);
    state = std::make_unique<State>(ui, clock, home);
    require(open_or_create_database(*state), "opening the database");
    require(read_configuration(*state), "reading the configuration");
    require(finish_database_startup(*state), "starting on the database");
  }
  ~BenchHome() {
    state.reset();
    std::filesystem::remove_all(home);
  }
  BenchHome(const BenchHome&) = delete;
  BenchHome& operator=(const BenchHome&) = delete;

  ScriptedUi ui;
  FixedClock clock;
  std::filesystem::path home;
  std::unique_ptr<State> state;
};

}  // namespace quillon::bench
