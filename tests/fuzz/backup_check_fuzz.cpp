// A backup file as a user brings it: any bytes are read as sound or refused
// with a reason, without writing anything; a sound one holds an image whose
// length its header's layout allows.
#include "exchange/backup/backup_check.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillon;
  std::filesystem::path backup = fuzz::write_input("CLUB.BKP", data, size);
  BackupContents contents;
  Status sound = read_backup(backup, nullptr, contents);
  if (!sound) {
    QUILLON_FUZZ_CHECK(!sound.reason().empty());
    QUILLON_FUZZ_CHECK(contents.problem != BackupProblem::none);
  } else {
    QUILLON_FUZZ_CHECK(contents.facts.length > 0 && contents.facts.length <= largest_database_length());
    QUILLON_FUZZ_CHECK(contents.facts.tournaments <= contents.facts.tournament_slots);
  }
  // Nothing but the input in the scratch folder: the check wrote no file.
  QUILLON_FUZZ_CHECK(
      std::distance(std::filesystem::directory_iterator(fuzz::scratch()), std::filesystem::directory_iterator()) == 1);
  return 0;
}
