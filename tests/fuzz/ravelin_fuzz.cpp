// The Ravelin database: any bytes are read member by member and flight by
// flight, or refused; never a read outside the file's records.
#include "core/ravelin.h"
#include "exchange/imports/ravelin_members.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillon;
  std::filesystem::path file = fuzz::write_input("rvwin4.dat", data, size);
  RavelinReader reader(file.string());
  if (!reader.open_ravelin()) return 0;
  int members = 0;
  for_each_member(reader, [&](const RavelinMember& member) {
    QUILLON_FUZZ_CHECK(member.last_name.size() < 1000);
    ++members;
  });
  QUILLON_FUZZ_CHECK(members <= reader.member_count() || reader.member_count() < 0);
  for (int flight = 1; flight <= 10; ++flight) (void)flight_system_code(reader, flight);
  for (int course = 1; course <= reader.course_slots() && course <= 50; ++course)
    (void)reader.read_ravelin(ravelin_kind::course, course);
  return 0;
}
