#pragma once
// What both front ends do with a state block: start the program on it and run
// commands.
#include <string>
#include <vector>

#include "core/dispatch.h"
#include "core/state.h"

namespace quillon {

// What both programs set up first. A write past the file-size limit then
// fails like any other write (and is reported, the data left as it was)
// instead of ending the program halfway.
void prepare_process();

// Runs the start-up sequence on the home folder. Returns false when the
// program must end; `exit_code` then holds its status.
bool start_application(State& state, const std::vector<std::string>& words, int& exit_code);

// Whether a command number is built into this program.
bool command_available(int command);
// The text a command is known by: its menu entry without the access-key
// marks, or the caption of the button that sends it; "" when not in the table.
std::string command_display_name(int command);
// Runs a command number (menu entry or button); a number in the command table
// without a handler says that it is not available (not done).
CommandEnd run_command(State& state, int command);
// The same as a Status for callers that only ask whether it was done: ok when
// done (or an unknown number), told() when stopped or not done.
Status dispatch_command(State& state, int command);

}  // namespace quillon
