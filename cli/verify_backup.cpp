#include "cli/verify_backup.h"

#include <filesystem>
#include <ostream>

#include "exchange/backup/backup_check.h"

namespace quillon::cli {

int verify_backup_file(const std::string& file, std::ostream& out, std::ostream& err) {
  SystemRecord header{};
  DatabaseImageFacts facts;
  std::error_code ec;
  std::filesystem::path work = std::filesystem::temp_directory_path(ec);
  if (ec) work = ".";
  Status sound = verify_backup(file, work, header, facts);
  if (!sound) {
    err << "quillon-cli: " << sound.reason() << "\n";
    return 1;
  }
  out << "The backup " << file << " is sound: Quillon " << header.program_version << header.program_version_letter
      << ", a database of " << facts.length << " bytes with " << facts.course_slots << " course slots and "
      << facts.tournaments << " tournament slots.\n";
  return 0;
}

}  // namespace quillon::cli
