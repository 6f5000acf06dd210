#include "cli/verify_backup.h"

#include <filesystem>
#include <ostream>

#include "exchange/backup/backup_check.h"

namespace quillon::cli {

int verify_backup_file(const std::string& file, std::ostream& out, std::ostream& err) {
  BackupContents contents;
  Status sound = read_backup(file, nullptr, contents);
  if (!sound) {
    if (contents.problem == BackupProblem::damaged)
      err << "quillon-cli: The backup file " << file << " is damaged and cannot be restored (" << sound.reason()
          << ").\n";
    else err << "quillon-cli: " << sound.reason() << "\n";
    return 1;
  }
  const DatabaseImageFacts& facts = contents.facts;
  std::string holds = "Quillon " + std::to_string(contents.header.program_version) +
                      contents.header.program_version_letter + ", a database of " + std::to_string(facts.length) +
                      " bytes with " + std::to_string(facts.course_slots) + " course slots and " +
                      std::to_string(facts.tournament_slots) + " tournament slots.";
  if (!contents.has_checksum) {
    err << "quillon-cli: The backup " << file << " has no checksum file (" << contents.checksum_file.string()
        << "), so its completeness cannot be proven: it unpacks to " << holds << "  " << backup_holdings_text(facts)
        << "\n";
    return 2;
  }
  out << "The backup " << file << " is sound: " << holds << "  " << backup_holdings_text(facts)
      << "  It matches its checksum file " << contents.checksum_file.string() << ".\n";
  return 0;
}

}  // namespace quillon::cli
