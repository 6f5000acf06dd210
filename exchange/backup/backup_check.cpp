#include "exchange/backup/backup_check.h"

#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <vector>

#include "core/database.h"
#include "core/database_layout.h"
#include "core/dates.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/text.h"
#include "exchange/backup/checksum_file.h"
#include "exchange/backup/file_writer.h"
#include "exchange/backup/sha256.h"

namespace quillon {

namespace {

namespace fs = std::filesystem;

constexpr int largest_tournament_count = tournament_limit - 1;
constexpr std::size_t backup_read_size = 1 << 20;
// The part of a tournament header the facts need: the date and the name.
constexpr std::size_t header_prefix_size = offsetof(TournamentHeader, name) + sizeof(TournamentHeader::name);

// Watches the image go by: its system record, its length and the date and
// name of every tournament slot; passes every byte on to the next sink.
class InspectingSink : public Unpacker::Sink {
 public:
  InspectingSink(const SystemRecord& header, Unpacker::Sink* next)
      : next_(next),
        base_(tournament_base_for(std::clamp<int>(header.course_slot_count, 1, max_course_slot_count),
                                  (header.flags & system_flag::no_desktop_message) == 0)) {}

  Status put(const std::uint8_t* data, std::size_t n) override {
    copy_overlap(data, n, 0, reinterpret_cast<std::uint8_t*>(&own_), sizeof own_);
    if (at_ + static_cast<std::int64_t>(n) > base_) {
      std::int64_t first = at_ <= base_ ? 0 : (at_ - base_) / tournament_block_size;
      for (std::int64_t slot = first;; ++slot) {
        std::int64_t start = base_ + slot * tournament_block_size;
        if (start >= at_ + static_cast<std::int64_t>(n)) break;
        if (start + static_cast<std::int64_t>(header_prefix_size) <= at_) continue;
        if (static_cast<std::size_t>(slot) >= slots_.size()) slots_.resize(static_cast<std::size_t>(slot) + 1);
        copy_overlap(data, n, start, reinterpret_cast<std::uint8_t*>(&slots_[static_cast<std::size_t>(slot)]),
                     header_prefix_size);
      }
    }
    at_ += static_cast<std::int64_t>(n);
    if (!next_) return Status::ok();
    Status passed = next_->put(data, n);
    if (!passed) output_failed_ = true;
    return passed;
  }

  // Whether a failure came from the next sink (writing the image), not the stream.
  bool output_failed() const { return output_failed_; }

  const SystemRecord& own_system_record() const { return own_; }
  std::int64_t length() const { return at_; }

  void fill(DatabaseImageFacts& facts, const SystemRecord& header) const {
    facts.length = at_;
    facts.course_slots = header.course_slot_count;
    facts.tournament_slots = tournament_count_from_length(at_, base_);
    int newest_day = -1;
    for (const TournamentHeader& slot : slots_) {
      if (tournament_slot_free(slot)) continue;
      ++facts.tournaments;
      int day = tournament_day_number(slot);
      if (day < newest_day) continue;
      newest_day = day;
      facts.newest_name = field_text(slot.name);
      facts.newest_year = 1900 + static_cast<std::uint8_t>(slot.date_year);
      facts.newest_month = slot.date_month;
      facts.newest_day = slot.date_day;
    }
  }

 private:
  // Copies the part of data (at at_) that falls into [start, start + size) of the image.
  void copy_overlap(const std::uint8_t* data, std::size_t n, std::int64_t start, std::uint8_t* target,
                    std::size_t size) const {
    std::int64_t from = std::max(start, at_);
    std::int64_t to = std::min(start + static_cast<std::int64_t>(size), at_ + static_cast<std::int64_t>(n));
    if (from >= to) return;
    std::memcpy(target + (from - start), data + (from - at_), static_cast<std::size_t>(to - from));
  }

  Unpacker::Sink* next_;
  std::int64_t base_;
  std::int64_t at_ = 0;
  bool output_failed_ = false;
  SystemRecord own_{};
  std::vector<TournamentHeader> slots_;  // only the first header_prefix_size bytes are filled
};

// Reads the whole file at `fd` from its start, handing each piece to `use`
// (which returns false to stop early); false on a read error.
template <typename Use>
bool read_pieces(int fd, Use use) {
  std::vector<std::uint8_t> piece(backup_read_size);
  for (;;) {
    ssize_t got = ::read(fd, piece.data(), piece.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    if (!use(piece.data(), static_cast<std::size_t>(got))) return true;
  }
}

}  // namespace

std::int64_t largest_database_length() {
  return tournament_base_for(max_course_slot_count) +
         static_cast<std::int64_t>(tournament_block_size) * largest_tournament_count;
}

Status check_backup_version(const SystemRecord& header) {
  if (header.program_version == program_version && header.program_version_letter == program_version_letter)
    return Status::ok();
  return Status::failed(format_text(message_limit,
                                    "The backup was created using an earlier version of Quillon for Windows "
                                    "(%d%c) and cannot be restored.",
                                    header.program_version, header.program_version_letter));
}

Status check_image(const SystemRecord& header, const SystemRecord& own, std::int64_t length) {
  if (length < backup_header_size || std::memcmp(&own, &header, sizeof header) != 0)
    return Status::failed("its database does not begin with the system record of the backup");
  return check_layout_fits(header, length);
}

Status read_backup(const fs::path& backup, Unpacker::Sink* image, BackupContents& contents) {
  auto fail = [&](BackupProblem problem, const std::string& reason) {
    contents.problem = problem;
    return Status::failed(reason);
  };
  contents.checksum_file = checksum_path_for(backup);
  auto expected = read_checksum_file(backup);
  if (!expected) return fail(BackupProblem::checksum, expected.status().reason());
  contents.has_checksum = !expected->empty();

  auto hash = Sha256::start();
  if (!hash && contents.has_checksum) return fail(BackupProblem::checksum, hash.status().reason());
  int fd = ::open(backup.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return fail(BackupProblem::unopened, "The backup file " + backup.string() + " cannot be opened.");
  std::size_t header_got = 0;
  std::optional<InspectingSink> inspector;
  std::optional<Unpacker> unpacker;
  Status stream = Status::ok();
  BackupProblem stream_problem = BackupProblem::none;
  bool version_ok = true;

  bool read = read_pieces(fd, [&](const std::uint8_t* data, std::size_t n) {
    if (contents.has_checksum) hash->update(data, n);
    if (header_got < sizeof contents.header) {
      std::size_t take = std::min(n, sizeof contents.header - header_got);
      std::memcpy(reinterpret_cast<std::uint8_t*>(&contents.header) + header_got, data, take);
      header_got += take;
      data += take;
      n -= take;
      if (header_got < sizeof contents.header) return true;
      if (!check_backup_version(contents.header)) {
        version_ok = false;
        return false;
      }
      inspector.emplace(contents.header, image);
      unpacker.emplace(largest_database_length(), &*inspector);
    }
    if (stream && n > 0) {
      stream = unpacker->feed(data, n);
      if (!stream) stream_problem = inspector->output_failed() ? BackupProblem::output : BackupProblem::damaged;
    }
    // Once the stream has failed only the checksum still needs the rest.
    return stream || (contents.has_checksum && stream_problem != BackupProblem::output);
  });
  int read_errno = errno;
  ::close(fd);
  if (!read) {
    errno = read_errno;
    return fail(BackupProblem::unreadable,
                "The backup file " + backup.string() + " could not be read (" + system_error_text() + ").");
  }
  if (!version_ok) return fail(BackupProblem::version, check_backup_version(contents.header).reason());
  if (stream_problem == BackupProblem::output) return fail(BackupProblem::output, stream.reason());
  if (contents.has_checksum && std::find(expected->begin(), expected->end(), hash->hex()) == expected->end())
    return fail(BackupProblem::checksum, "The backup file " + backup.string() + " does not match its checksum file " +
                                             contents.checksum_file.string() +
                                             ": it is incomplete or damaged and cannot be restored.");
  if (header_got < sizeof contents.header)
    return fail(BackupProblem::damaged, "the file is shorter than its 200-byte header");
  if (stream) {
    stream = unpacker->finish();
    if (!stream) stream_problem = inspector->output_failed() ? BackupProblem::output : BackupProblem::damaged;
  }
  if (!stream) return fail(stream_problem, stream.reason());
  if (Status sound = check_image(contents.header, inspector->own_system_record(), inspector->length()); !sound)
    return fail(BackupProblem::damaged, sound.reason());
  inspector->fill(contents.facts, contents.header);
  return Status::ok();
}

std::string damaged_backup_text(const std::string& reason) {
  return "The selected backup file is damaged and cannot be restored (" + reason +
         ").\n\nThe database restore was NOT successfully completed and the database was not changed.";
}

std::string backup_holdings_text(const DatabaseImageFacts& facts) {
  if (facts.tournaments == 0) return "It holds no tournaments.";
  std::string count = facts.tournaments == 1 ? "1 tournament" : std::to_string(facts.tournaments) + " tournaments";
  return "It holds " + count + "; the newest is \"" + facts.newest_name + "\" of " +
         long_date(facts.newest_year, facts.newest_month, facts.newest_day) + ".";
}

}  // namespace quillon
