#include "app/application.h"

#include "core/database_startup.h"

namespace quillon {

bool start_application(State& state, const std::vector<std::string>&, int& exit_code) {
  if (!open_or_create_database(state)) {
    exit_code = 1;
    return false;
  }
  read_configuration(state);
  finish_database_startup(state);
  exit_code = 0;
  return true;
}

bool command_available(int) { return false; }

void run_command(State&, int) {}

}  // namespace quillon
