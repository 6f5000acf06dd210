#pragma once
// A database in a temporary folder for a benchmark, started as the program
// starts it, and removed afterwards.
#include <stdexcept>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/database_startup.h"
#include "core/scripted_ui.h"
#include "core/state.h"
#include "core/status.h"

namespace quillon::bench {

// A benchmark's set-up that fails ends the run with the reason.
inline void require(const Status& done, const char* what) {
  if (!done) throw std::runtime_error(std::string(what) + " failed: " + done.reason());
}

struct BenchHome {
  explicit BenchHome(const std::string& name) : clock(DateTime{2026, 12, 7}) {
    home = std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(home);
    state = std::make_unique<State>(ui, clock, home);
    require(open_or_create_database(*state), "opening the database");
    read_configuration(*state);
    finish_database_startup(*state);
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
