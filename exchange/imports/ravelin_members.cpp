#include "exchange/imports/ravelin_members.h"

#include <cstring>

#include "core/dates.h"
#include "core/ravelin.h"

namespace quillon {

namespace {

constexpr int text_width = 26;
constexpr int id_width = 11;
constexpr int last_name_width = 23;
constexpr int first_name_width = 30;
constexpr std::uint8_t old_inactive_bit = 0x01;
constexpr std::uint8_t power_cart_bit = 0x40;

}  // namespace

bool RavelinMember::empty_slot() const { return last_name.empty() || last_name == ravelin_empty_name; }

RavelinMember member_in_buffer(RavelinReader& reader) {
  const auto& b = reader.buffer(ravelin_kind::member);
  RavelinMember m;
  m.member_id = reader.member_text(ravelin_member::member_id, id_width);
  m.last_name = reader.member_text(ravelin_member::last_name, last_name_width);
  m.first_name = reader.member_text(ravelin_member::first_name, first_name_width);
  for (int i = 0; i < 3; ++i) m.info[i] = reader.member_text(ravelin_member_field::info[i], text_width);
  if (b.size() < static_cast<std::size_t>(ravelin_member::first_name)) return m;
  std::int16_t index = 0;
  std::memcpy(&index, &b[ravelin_member_field::index], sizeof index);
  m.index = index;
  m.gender = static_cast<char>(b[ravelin_member_field::gender]);
  m.flight = b[ravelin_member_field::flight];
  bool new_flag = reader.day_number() >= day_number(2016, 4, 17);
  m.inactive =
      new_flag ? b[ravelin_member_field::inactive] != 0 : (b[ravelin_member_field::flags] & old_inactive_bit) != 0;
  m.power_cart = (b[ravelin_member_field::flags] & power_cart_bit) != 0;
  return m;
}

void for_each_member(RavelinReader& reader, const std::function<void(const RavelinMember&)>& visit) {
  const int count = reader.member_count();
  for (int n = 1; n <= count; ++n) {
    if (reader.read_ravelin(ravelin_kind::member, n) < reader.member_record_size()) break;
    visit(member_in_buffer(reader));
  }
}

int flight_system_code(RavelinReader& reader, int flight) {
  if (flight < 1 || flight > ravelin_flight_count) return 0;
  if (reader.read_ravelin(ravelin_kind::flight, flight) <= ravelin_member_field::flight_system) return 0;
  return reader.buffer(ravelin_kind::flight)[ravelin_member_field::flight_system];
}

}  // namespace quillon
