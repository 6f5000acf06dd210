#include "app/application.h"

#include <csignal>

#include "app/commands.h"
#include "app/startup.h"
#include "core/command_table.h"
#include "core/messages.h"

namespace quillon {

void prepare_process() { std::signal(SIGXFSZ, SIG_IGN); }

bool start_application(State& state, const std::vector<std::string>& words, int& exit_code) {
  return run_startup(state, parse_startup_words(words), exit_code);
}

bool command_available(int command) { return command_registry().has(command); }

std::string command_display_name(int command) {
  const CommandInfo* info = find_command(command);
  if (!info) return "";
  if (info->text.empty()) {
    for (const ButtonInfo& b : main_window_buttons())
      if (b.command == command) return b.caption;
    return std::to_string(command);
  }
  // "&x" marks the access key, "&&" stands for "&".
  std::string shown;
  for (std::size_t i = 0; i < info->text.size(); ++i) {
    if (info->text[i] == '&' && ++i == info->text.size()) break;
    shown += info->text[i];
  }
  return shown;
}

CommandEnd run_command(State& state, int command) {
  CommandEnd end = command_registry().run(state, command);
  if (end != CommandEnd::not_a_command || !find_command(command)) return end;
  not_done_box(state, message_kind::information, "\"%s\" is not available in this build of Quillon.",
               command_display_name(command).c_str());
  return CommandEnd::not_done;
}

Status dispatch_command(State& state, int command) {
  const CommandEnd end = run_command(state, command);
  return end == CommandEnd::done || end == CommandEnd::not_a_command ? Status::ok() : Status::told();
}

}  // namespace quillon
