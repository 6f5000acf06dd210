#include "tests/testing/test_home.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "core/database_startup.h"
#include "tests/testing/destructive_questions.h"

namespace quillon::testing {

TestHome::TestHome(DateTime today) : clock(today) {
  std::string tmpl = (std::filesystem::temp_directory_path() / "quillon-test-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot make a temporary folder");
  path_ = tmpl;
  ui.on_message = expect_safe_default;
}

TestHome::~TestHome() {
  state_.reset();
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::unique_ptr<State> TestHome::new_state() { return std::make_unique<State>(ui, clock, path_); }

State& TestHome::started() {
  state_ = new_state();
  if (!open_or_create_database(*state_)) throw std::runtime_error("cannot open the test database");
  if (!read_configuration(*state_) || !finish_database_startup(*state_))
    throw std::runtime_error("cannot read the test database");
  return *state_;
}

}  // namespace quillon::testing
