// The database file at start-up: any bytes are opened and started, or refused
// with a message; a file that opens passes the layout check.
#include "core/clock.h"
#include "core/database_startup.h"
#include "core/scripted_ui.h"
#include "core/state.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillon;
  std::filesystem::remove_all(fuzz::scratch());
  std::filesystem::create_directories(fuzz::scratch());
  fuzz::write_input("qlwin4.dat", data, size);
  ScriptedUi ui;
  FixedClock clock(DateTime{2026, 12, 7, 9, 30, 0});
  State state(ui, clock, fuzz::scratch());
  try {
    if (!open_or_create_database(state)) return 0;
    QUILLON_FUZZ_CHECK(check_is_database(state.db));
    // A read that fails has been told, as the program tells it.
    if (!read_configuration(state) || !finish_database_startup(state)) return 0;
  } catch (const UnansweredQuestion&) {
    // A start-up question (an upgrade, a purge reminder) that nobody answers here.
  }
  return 0;
}
