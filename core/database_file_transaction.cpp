// The transactions of DatabaseFile: changes kept in memory, journaled and
// written at the commit with one flush of the file (database_file.h).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <csignal>
#include <cstring>

#include "core/database_file.h"
#include "core/database_journal.h"
#include "core/file_io.h"

namespace quillon {

namespace {

// Changes beyond this many bytes go to the file before the commit (journaled
// first), so that moving many tournament blocks needs little memory.
constexpr std::size_t spill_bytes = 8 << 20;
// Old bytes are journaled in records of at most this size.
constexpr std::int64_t journal_piece = 1 << 20;

using Range = std::pair<std::int64_t, std::int64_t>;

std::vector<Range> merged(std::vector<Range> ranges) {
  std::sort(ranges.begin(), ranges.end());
  std::vector<Range> out;
  for (const Range& r : ranges) {
    if (r.first >= r.second) continue;
    if (!out.empty() && r.first <= out.back().second) out.back().second = std::max(out.back().second, r.second);
    else out.push_back(r);
  }
  return out;
}

// The parts of `wanted` (merged) not covered by `done` (merged).
std::vector<Range> without(const std::vector<Range>& wanted, const std::vector<Range>& done) {
  std::vector<Range> out;
  for (Range r : wanted) {
    for (const Range& d : done) {
      if (d.second <= r.first || d.first >= r.second) continue;
      if (d.first > r.first) out.push_back({r.first, d.first});
      r.first = std::max(r.first, d.second);
      if (r.first >= r.second) break;
    }
    if (r.first < r.second) out.push_back(r);
  }
  return out;
}

std::int64_t file_length(int fd) {
  struct stat st {};
  return ::fstat(fd, &st) == 0 ? st.st_size : 0;
}

Status failure(const char* what) { return Status::failed(std::string(what) + ": " + last_system_error()); }

}  // namespace

std::filesystem::path DatabaseFile::journal_path() const { return journal_path_for(path_); }

void DatabaseFile::crash_point() {
  if (!crash_step_) return;
  if (*crash_step_ <= 0) ::raise(SIGKILL);
  --*crash_step_;
}

Status DatabaseFile::begin_transaction() {
  if (fd_ < 0) return Status::failed("the database file is not open");
  if (tx_) {
    ++tx_->depth;
    return Status::ok();
  }
  Status locked = lock();
  tx_.emplace();
  tx_->locked = locked.is_ok();
  if (!locked) tx_->failure = locked;
  tx_->original_length = tx_->length = file_length(fd_);
  return locked;
}

Status DatabaseFile::commit_transaction() {
  if (!tx_) return Status::failed("no change to the database was under way");
  if (tx_->depth > 1) {
    --tx_->depth;
    return Status::ok();
  }
  Status result = tx_->failure;
  if (result) result = write_out(true);
  end_transaction(!result);
  return result;
}

void DatabaseFile::abandon_transaction() {
  if (!tx_) return;
  if (tx_->depth > 1) {
    --tx_->depth;
    if (tx_->failure) tx_->failure = Status::failed("a step of the change did not complete");
    return;
  }
  end_transaction(true);
}

void DatabaseFile::end_transaction(bool roll_back) {
  const bool journal_made = tx_->journal_fd >= 0;
  if (journal_made) ::close(tx_->journal_fd);
  const bool locked = tx_->locked;
  const bool head_knows_new_state = tx_->head_knows_new_state;
  tx_.reset();
  if (journal_made) {
    Status ended = Status::ok();
    if (!roll_back) {
      crash_point();
      ended = remove_journal(journal_path(), !head_knows_new_state);
    }
    // A journal that cannot be removed after a commit would undo the commit at
    // the next opening; the commit has then failed and is undone now. What
    // cannot be undone now stays journaled for the next opener.
    if (roll_back || !ended) (void)roll_back_journal(fd_, journal_path());
  }
  if (locked) unlock();
}

Status DatabaseFile::roll_back_leftover_journal() {
  bool rolled_back = false;
  Status done = roll_back_journal(fd_, journal_path(), &rolled_back);
  if (!done)
    return Status::failed("the unfinished change recorded in \"" + journal_path().filename().string() +
                          "\" could not be undone (" + done.reason() + ")");
  return Status::ok();
}

std::size_t DatabaseFile::read_in_transaction(std::int64_t offset, void* data, std::size_t n) const {
  read_failed_ = false;
  if (offset < 0 || offset >= tx_->length) return 0;
  const std::int64_t end = std::min(tx_->length, offset + static_cast<std::int64_t>(n));
  const auto m = static_cast<std::size_t>(end - offset);
  auto* out = static_cast<char*>(data);
  std::memset(out, 0, m);
  const std::int64_t file_end = tx_->truncated_to ? std::min(*tx_->truncated_to, end) : end;
  std::size_t from_file = 0;
  if (file_end > offset) from_file = read_file_at(offset, out, static_cast<std::size_t>(file_end - offset));
  // A failing disk stops the read where it failed, as outside a transaction.
  if (read_failed_) return from_file;
  for (const PendingWrite& w : tx_->pending) {
    const std::int64_t from = std::max(offset, w.offset);
    const std::int64_t to = std::min(end, w.offset + static_cast<std::int64_t>(w.bytes.size()));
    if (from < to)
      std::memcpy(out + (from - offset), w.bytes.data() + (from - w.offset), static_cast<std::size_t>(to - from));
  }
  return m;
}

Status DatabaseFile::write_out(bool last) {
  if (Status here = check_still_at_path(); !here) return here;
  if (Status journaled = journal_changes(last); !journaled) return journaled;
  if (Status applied = apply_changes(); !applied) return applied;
  if (last && tx_->journal_fd >= 0) {
    crash_point();
    if (Status flushed = durable_flush(fd_); !flushed) return Status::failed("flush: " + flushed.reason());
  }
  return Status::ok();
}

std::vector<ChangedRegion> DatabaseFile::changed_regions() const {
  std::vector<Range> written;
  for (const PendingWrite& w : tx_->pending)
    written.push_back({w.offset, std::min(w.offset + static_cast<std::int64_t>(w.bytes.size()), tx_->length)});
  std::vector<ChangedRegion> changed;
  for (const Range& r : merged(std::move(written))) {
    std::string bytes(static_cast<std::size_t>(r.second - r.first), '\0');
    read_in_transaction(r.first, bytes.data(), bytes.size());
    changed.push_back({r.first, r.second - r.first, content_checksum(bytes.data(), bytes.size())});
  }
  return changed;
}

Status DatabaseFile::journal_changes(bool last) {
  Transaction& tx = *tx_;
  const bool changes = !tx.pending.empty() || tx.truncated_to || tx.length != file_length(fd_);
  if (!changes) return Status::ok();

  std::vector<Range> wanted;
  for (const PendingWrite& w : tx.pending)
    wanted.push_back({w.offset, std::min(w.offset + static_cast<std::int64_t>(w.bytes.size()), tx.original_length)});
  if (tx.truncated_to && *tx.truncated_to < tx.original_length)
    wanted.push_back({*tx.truncated_to, tx.original_length});
  const std::vector<Range> needed = without(merged(wanted), tx.journaled);

  const bool opening = tx.journal_fd < 0;
  if (opening) {
    tx.journal_fd = ::open(journal_path().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (tx.journal_fd < 0) return failure("journal");
    // Journaled whole at the commit, the head can describe the new state.
    tx.head_knows_new_state = last;
    const std::string head =
        last ? journal_head(tx.original_length, tx.length, changed_regions()) : journal_head(tx.original_length);
    crash_point();
    if (Status put = budgeted_write(tx.journal_fd, 0, head.data(), head.size()); !put) return put;
    tx.journal_end = static_cast<std::int64_t>(head.size());
  }
  for (const Range& r : needed) {
    for (std::int64_t at = r.first; at < r.second; at += journal_piece) {
      JournalRecord record{at, std::string(static_cast<std::size_t>(std::min(journal_piece, r.second - at)), '\0')};
      // The file itself, not the transaction's view of it: these bytes are
      // still the old ones.
      if (read_file_at(at, record.old_bytes.data(), record.old_bytes.size()) != record.old_bytes.size())
        return Status::failed(read_failed_ ? read_error_ : "read: the file ends before the data it should hold");
      const std::string bytes = journal_records({record});
      crash_point();
      if (Status put = budgeted_write(tx.journal_fd, tx.journal_end, bytes.data(), bytes.size()); !put) return put;
      tx.journal_end += static_cast<std::int64_t>(bytes.size());
    }
  }
  if (opening || !needed.empty()) {
    crash_point();
    if (Status flushed = durable_flush(tx.journal_fd); !flushed) return Status::failed("journal: " + flushed.reason());
  }
  if (opening) {
    crash_point();
    if (Status flushed = durable_flush_folder(journal_path().parent_path()); !flushed)
      return Status::failed("journal: " + flushed.reason());
  }
  std::vector<Range> journaled = tx.journaled;
  journaled.insert(journaled.end(), needed.begin(), needed.end());
  tx.journaled = merged(std::move(journaled));
  return Status::ok();
}

Status DatabaseFile::apply_changes() {
  Transaction& tx = *tx_;
  if (tx.truncated_to) {
    crash_point();
    if (::ftruncate(fd_, *tx.truncated_to) != 0) return failure("resize");
  }
  for (const PendingWrite& w : tx.pending) {
    if (w.bytes.empty()) continue;
    crash_point();
    if (Status put = budgeted_write(fd_, w.offset, w.bytes.data(), w.bytes.size()); !put) return put;
  }
  if (file_length(fd_) != tx.length) {
    crash_point();
    if (::ftruncate(fd_, tx.length) != 0) return failure("resize");
  }
  tx.pending.clear();
  tx.pending_bytes = 0;
  tx.truncated_to.reset();
  return Status::ok();
}

Status DatabaseFile::spill_if_large() {
  if (!tx_->failure || tx_->pending_bytes < spill_bytes) return tx_->failure;
  Status written = write_out(false);
  if (!written) tx_->failure = written;
  return written;
}

}  // namespace quillon
