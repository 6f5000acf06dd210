#pragma once
// Command dispatch: each subsystem registers the handlers of its command
// numbers; menus, buttons and scripts run them by number.
#include <functional>
#include <map>
#include <vector>

namespace quillon {

struct State;

using CommandHandler = std::function<void(State&, int command)>;

class CommandRegistry {
 public:
  void add(std::initializer_list<int> numbers, CommandHandler handler);
  bool has(int number) const { return handlers_.count(number) != 0; }
  // Runs the command; unknown numbers do nothing. Returns whether it ran.
  bool run(State& state, int number) const;

 private:
  std::map<int, CommandHandler> handlers_;
};

// Precondition kinds: 1 at least one course, 2 at least one tournament slot.
// Shows the failing precondition's error and returns false.
bool check_precondition(State& state, int kind);

}  // namespace quillon
