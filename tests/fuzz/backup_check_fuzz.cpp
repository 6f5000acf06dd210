// A backup file as a user brings it: any bytes are found sound or refused
// with a reason, and the check writes nothing outside its work folder.
#include "core/records/system_record.h"
#include "exchange/backup/backup_check.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillon;
  std::filesystem::path backup = fuzz::write_input("CLUB.BKP", data, size);
  std::filesystem::path work = fuzz::scratch() / "work";
  std::filesystem::create_directories(work);
  SystemRecord header{};
  DatabaseImageFacts facts{};
  Status sound = verify_backup(backup, work, header, facts);
  if (!sound) QUILLON_FUZZ_CHECK(!sound.reason().empty());
  QUILLON_FUZZ_CHECK(std::filesystem::is_empty(work));
  return 0;
}
