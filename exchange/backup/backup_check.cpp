#include "exchange/backup/backup_check.h"

#include <unistd.h>
#include <cstring>
#include <fstream>

#include "core/database.h"
#include "core/messages.h"
#include "core/text.h"
#include "exchange/backup/pack.h"

namespace quillon {

namespace {

constexpr int largest_tournament_count = tournament_limit - 1;

bool read_system_record(const std::filesystem::path& path, SystemRecord& record) {
  std::ifstream in(path, std::ios::binary);
  return static_cast<bool>(in.read(reinterpret_cast<char*>(&record), sizeof record));
}

}  // namespace

std::int64_t largest_database_length() {
  return tournament_base_for(max_course_slot_count) +
         static_cast<std::int64_t>(tournament_block_size) * largest_tournament_count;
}

Status check_image_layout(const SystemRecord& system, std::int64_t length) {
  int slots = system.course_slot_count;
  if (slots < 1 || slots > max_course_slot_count)
    return Status::failed("its system record gives " + std::to_string(slots) + " course slots");
  bool with_message = (system.flags & system_flag::no_desktop_message) == 0;
  std::int64_t base = tournament_base_for(slots, with_message);
  if (length < base)
    return Status::failed("its database of " + std::to_string(length) + " bytes is too short for " +
                          std::to_string(slots) + " course slots");
  if (tournament_count_from_length(length, base) > largest_tournament_count)
    return Status::failed("its database of " + std::to_string(length) + " bytes holds more than " +
                          std::to_string(largest_tournament_count) + " tournaments");
  return Status::ok();
}

Status check_database_image(const std::filesystem::path& image, const SystemRecord& header, DatabaseImageFacts* facts) {
  std::error_code ec;
  auto length = static_cast<std::int64_t>(std::filesystem::file_size(image, ec));
  if (ec) return Status::failed("its unpacked database cannot be read");
  SystemRecord own{};
  if (length < backup_header_size || !read_system_record(image, own) || std::memcmp(&own, &header, sizeof header) != 0)
    return Status::failed("its database does not begin with the system record of the backup");
  if (Status fits = check_image_layout(header, length); !fits) return fits;
  if (facts) {
    facts->length = length;
    facts->course_slots = header.course_slot_count;
    facts->tournaments = tournament_count_from_length(
        length, tournament_base_for(header.course_slot_count, (header.flags & system_flag::no_desktop_message) == 0));
  }
  return Status::ok();
}

Status check_backup_version(const SystemRecord& header) {
  if (header.program_version == program_version && header.program_version_letter == program_version_letter)
    return Status::ok();
  return Status::failed(format_text(message_limit,
                                    "The backup was created using an earlier version of Quillon for Windows "
                                    "(%d%c) and cannot be restored.",
                                    header.program_version, header.program_version_letter));
}

std::string damaged_backup_text(const std::string& reason) {
  return "The selected backup file is damaged and cannot be restored (" + reason +
         ").\n\nThe database restore was NOT successfully completed and the database was not changed.";
}

Status verify_backup(const std::filesystem::path& backup, const std::filesystem::path& work_folder,
                     SystemRecord& header, DatabaseImageFacts& facts) {
  auto damaged = [&](const std::string& reason) {
    return Status::failed("The backup file " + backup.string() + " is damaged and cannot be restored (" + reason +
                          ").");
  };
  std::ifstream in(backup, std::ios::binary);
  if (!in) return Status::failed("The backup file " + backup.string() + " cannot be opened.");
  if (!in.read(reinterpret_cast<char*>(&header), sizeof header))
    return damaged("the file is shorter than its 200-byte header");
  in.close();
  Status version = check_backup_version(header);
  if (!version) return version;

  std::int64_t unpacked = 0;
  Status stream = measure_packed_file(backup, backup_header_size, largest_database_length(), unpacked);
  if (!stream) return damaged(stream.reason());

  std::filesystem::path image = work_folder / ("quillon-verify-" + std::to_string(::getpid()) + ".exp");
  Status written = unpack_file(backup, image, {backup_header_size, largest_database_length(), false});
  if (!written) {
    std::error_code ec;
    std::filesystem::remove(image, ec);
    return Status::failed("The backup could not be unpacked for the check (" + written.reason() + ").");
  }
  Status sound = check_database_image(image, header, &facts);
  std::error_code ec;
  std::filesystem::remove(image, ec);
  if (!sound) return damaged(sound.reason());
  return Status::ok();
}

}  // namespace quillon
