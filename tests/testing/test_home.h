#pragma once
// A temporary home folder with its own state block, scripted UI and fixed
// clock, removed when the test ends.
#include <filesystem>
#include <memory>

#include "core/clock.h"
#include "core/scripted_ui.h"
#include "core/state.h"

namespace quillon::testing {

class TestHome {
 public:
  explicit TestHome(DateTime today = DateTime{2026, 12, 7, 9, 30, 0});
  ~TestHome();
  TestHome(const TestHome&) = delete;
  TestHome& operator=(const TestHome&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // A fresh state block on the folder (the database not yet opened).
  std::unique_ptr<State> new_state();
  // A state block with the database created (if needed), opened and started.
  State& started();

  ScriptedUi ui;
  FixedClock clock;

 private:
  std::filesystem::path path_;
  std::unique_ptr<State> state_;
};

}  // namespace quillon::testing
