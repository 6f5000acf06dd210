#include "core/dispatch.h"

#include "core/messages.h"
#include "core/state.h"

namespace quillon {

void CommandRegistry::add(std::initializer_list<int> numbers, CommandHandler handler) {
  for (int n : numbers) handlers_[n] = handler;
}

std::optional<Status> CommandRegistry::run(State& state, int number) const {
  auto it = handlers_.find(number);
  if (it == handlers_.end()) return std::nullopt;
  Status status = it->second(state, number);
  if (status.needs_telling()) error_box(state, "%s", status.reason().c_str());
  return status;
}

bool check_precondition(State& state, Precondition needed) {
  switch (needed) {
    case Precondition::a_course:
      if (state.course_count > 0) return true;
      message_box(state, message_kind::error, "No Courses found in the course database");
      return false;
    case Precondition::a_tournament:
      if (state.tournament_count > 0) return true;
      message_box(state, message_kind::error, "No Tournaments found in the tournament database");
      return false;
  }
  return true;
}

}  // namespace quillon
