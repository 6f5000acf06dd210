#pragma once
// The fields of a Ravelin member record that the imports use.
#include <functional>
#include <string>

namespace quillon {

class RavelinReader;

namespace ravelin_member_field {
inline constexpr int index = 34;  // 16-bit tenths, 1000 = no index
inline constexpr int gender = 36;
inline constexpr int flight = 45;
inline constexpr int inactive = 51;  // databases from 17 April 2016 on
inline constexpr int flags = 60;  // bit 0 inactive (older databases), bit 6 power cart
inline constexpr int info[3] = {68, 94, 120};
inline constexpr int flight_system = 54;  // in the flight record
inline constexpr int includes_rating_and_par = 34;  // in the kind-10 record
}  // namespace ravelin_member_field

inline constexpr int ravelin_no_index = 1000;
inline constexpr int ravelin_flight_count = 10;

struct RavelinMember {
  std::string member_id;
  std::string last_name;
  std::string first_name;
  std::string info[3];
  int index = ravelin_no_index;
  char gender = 'M';
  int flight = 0;
  bool inactive = false;
  bool power_cart = false;

  // An empty record slot: no last name or "ZZZZZZZZZZ".
  bool empty_slot() const;
};

// The member in the reader's member buffer (read kind 6 first; the header
// must have been read for the inactive flag's place).
RavelinMember member_in_buffer(RavelinReader& reader);

// Reads the members 1..member_count in turn and hands each to `visit`;
// stops at a record cut short by the end of the file.
void for_each_member(RavelinReader& reader, const std::function<void(const RavelinMember&)>& visit);

// The handicap system code of flight k (1..10), read from its record; 0 for
// another number.
int flight_system_code(RavelinReader& reader, int flight);

}  // namespace quillon
