#include "app/application.h"

#include "app/commands.h"
#include "app/startup.h"
#include "core/command_table.h"
#include "core/messages.h"

namespace quillon {

bool start_application(State& state, const std::vector<std::string>& words, int& exit_code) {
  return run_startup(state, parse_startup_words(words), exit_code);
}

bool command_available(int command) { return command_registry().has(command); }

void dispatch_command(State& state, int command) {
  if (command_registry().run(state, command)) return;
  const CommandInfo* info = find_command(command);
  if (!info) return;
  std::string what = info->text.empty() ? std::to_string(command) : info->text;
  std::erase(what, '&');
  message_box(state, message_kind::information, "\"%s\" is not available in this build of Quillon.", what.c_str());
}

}  // namespace quillon
