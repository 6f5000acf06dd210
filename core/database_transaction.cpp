#include "core/database_transaction.h"

#include "core/database.h"

namespace quillon {

DatabaseTransaction::DatabaseTransaction(State& state) : state_(state), tournament_count_(state.tournament_count) {
  // A lock that cannot be taken makes the transaction fail at its first write
  // or at the commit, with nothing written.
  (void)state_.db.begin_transaction();
}

DatabaseTransaction::~DatabaseTransaction() { abandon(); }

void DatabaseTransaction::abandon() {
  if (!open_) return;
  open_ = false;
  state_.db.abandon_transaction();
  state_.tournament_count = tournament_count_;
}

Status DatabaseTransaction::commit_quietly() {
  open_ = false;
  Status committed = state_.db.commit_transaction();
  if (!committed) state_.tournament_count = tournament_count_;
  return committed;
}

Status DatabaseTransaction::commit() {
  Status committed = commit_quietly();
  if (committed) return committed;
  tell_write_failure(state_, committed);
  return Status::told();
}

}  // namespace quillon
