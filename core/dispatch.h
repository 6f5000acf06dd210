#pragma once
// Command dispatch: each subsystem registers the handlers of its command
// numbers; menus, buttons and scripts run them by number.
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "core/status.h"

namespace quillon {

struct State;

// A command reports how it went: ok() when it did what was asked, told() when
// it stopped after telling the user why or on the user's Cancel, failed(reason)
// for a failure it has not shown itself, which the dispatcher shows.
using CommandHandler = std::function<Status(State&, int command)>;

// How a command ended, as a script needs to know it.
enum class CommandEnd {
  not_a_command,  // no handler: nothing ran
  done,  // did what it was asked
  cancelled,  // stopped by the user's own answer (Cancel, No, a closed list); nothing failed
  not_done,  // a message said it was not done: any error, or a not_done_box of another kind
};

class CommandRegistry {
 public:
  void add(std::initializer_list<int> numbers, CommandHandler handler);
  bool has(int number) const { return handlers_.count(number) != 0; }
  // Runs the command; unknown numbers do nothing. A command that returns a
  // failure it has told (Status::told()) without a message saying it was not
  // done was stopped by the user's answer.
  CommandEnd run(State& state, int number) const;

 private:
  std::map<int, CommandHandler> handlers_;
};

// What a command needs before it can start.
enum class Precondition {
  a_course,  // at least one course
  a_tournament,  // at least one tournament slot
};

// Shows the failing precondition's error and returns false.
bool check_precondition(State& state, Precondition needed);

}  // namespace quillon
