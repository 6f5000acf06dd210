#pragma once
// One change of the database that writes several records (a field of golfers,
// a tournament with its groups, a purge) and reaches the disk whole or not at
// all: after a failure, a crash or a killed process the file holds either the
// old records or the new ones. The file is locked from the start of the
// transaction to its end; the records written in between are flushed once,
// by commit().
//
//   DatabaseTransaction change(state);
//   ... write_record(...) as often as needed ...
//   return change.commit();
//
// Leaving the scope without commit() undoes every write made in it, and puts
// back the tournament count of the state block with the file.
// Transactions nest: only the outermost commit writes.
#include "core/state.h"
#include "core/status.h"

namespace quillon {

class DatabaseTransaction {
 public:
  explicit DatabaseTransaction(State& state);
  ~DatabaseTransaction();
  DatabaseTransaction(const DatabaseTransaction&) = delete;
  DatabaseTransaction& operator=(const DatabaseTransaction&) = delete;

  // Writes the changes and flushes them. When that fails the database is as
  // it was before the transaction and the user has been told (Status::told).
  [[nodiscard]] Status commit();
  // The same without a message: the reason is returned for the caller to tell.
  [[nodiscard]] Status commit_quietly();
  // Undoes the writes made so far and ends the transaction.
  void abandon();

 private:
  State& state_;
  bool open_ = true;
  int tournament_count_;  // put back with the file when the change is undone
};

}  // namespace quillon
