#include "core/dispatch.h"

#include "core/messages.h"
#include "core/state.h"

namespace quillon {

void CommandRegistry::add(std::initializer_list<int> numbers, CommandHandler handler) {
  for (int n : numbers) handlers_[n] = handler;
}

bool CommandRegistry::run(State& state, int number) const {
  auto it = handlers_.find(number);
  if (it == handlers_.end()) return false;
  it->second(state, number);
  return true;
}

bool check_precondition(State& state, int kind) {
  if (kind == 1 && state.course_count <= 0) {
    message_box(state, message_kind::error, "No Courses found in the course database");
    return false;
  }
  if (kind == 2 && state.tournament_count <= 0) {
    message_box(state, message_kind::error, "No Tournaments found in the tournament database");
    return false;
  }
  return true;
}

}  // namespace quillon
