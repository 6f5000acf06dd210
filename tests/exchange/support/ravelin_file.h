#pragma once
// Builds a small Ravelin database file for the import tests: a header, ten
// flight records, course slots, the kind-10 records and member records.
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/records/course_record.h"

namespace quillon::testing {

struct RavelinMemberSpec {
  std::string id;
  std::string last;
  std::string first;
  int index = 100;
  char gender = 'M';
  int flight = 1;
  bool inactive = false;
  bool cart = false;
};

class RavelinFile {
 public:
  static constexpr int course_slots = 3;
  static constexpr int scores = 0;  // member records of 450 bytes
  static constexpr int base = 1212 + 300 * course_slots;
  static constexpr int member_start = base + 3000;
  static constexpr int member_size = 60 * scores + 450;

  RavelinFile() : bytes_(member_start, 0) {
    set16(6, 2025);
    bytes_[10] = 'a';
    set16(98, course_slots);
    set16(74, scores);
    set16(142, 20000);  // a day number long after 2016 and 2021
  }
  void version(int v, char letter) {
    set16(6, v);
    bytes_[10] = static_cast<char>(letter);
  }
  // Flight k (1..10): its name and handicap system code.
  void flight(int k, const std::string& name, int system_code) {
    std::memcpy(&bytes_[200 + 92 * k], name.c_str(), name.size());
    bytes_[200 + 92 * k + 54] = static_cast<char>(system_code);
  }
  // Byte 34 of kind-10 record n: course rating and par in course handicaps.
  void includes_rating_and_par(int record, bool includes) { bytes_[base + 50 * (record + 2) + 34] = includes ? 1 : 0; }
  void course(int n, const CourseRecord& c) { std::memcpy(&bytes_[912 + 300 * n], &c, 300); }
  void member(const RavelinMemberSpec& m) {
    std::vector<char> r(member_size, 0);
    std::memcpy(&r[0], m.id.c_str(), m.id.size());
    std::memcpy(&r[11], m.last.c_str(), m.last.size());
    std::memcpy(&r[272], m.first.c_str(), m.first.size());
    auto index = static_cast<std::int16_t>(m.index);
    std::memcpy(&r[34], &index, 2);
    r[36] = m.gender;
    r[45] = static_cast<char>(m.flight);
    r[51] = m.inactive ? 1 : 0;
    r[60] = m.cart ? 0x40 : 0;
    std::memcpy(&r[68], "Locker 12", 9);
    bytes_.insert(bytes_.end(), r.begin(), r.end());
  }
  void save(const std::filesystem::path& path) const {
    std::ofstream(path, std::ios::binary).write(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
  }

 private:
  void set16(int at, int v) {
    bytes_[static_cast<std::size_t>(at)] = static_cast<char>(v & 0xff);
    bytes_[static_cast<std::size_t>(at) + 1] = static_cast<char>((v >> 8) & 0xff);
  }
  std::vector<char> bytes_;
};

}  // namespace quillon::testing
