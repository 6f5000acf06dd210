#include "core/ravelin.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include <unistd.h>

#include "core/dates.h"
#include "core/fixed_text.h"

namespace quillon {
namespace {

// A Ravelin file with 100 course slots, 20 score slots per member and
// `members` member records, each byte pattern recognisable by its place.
class RavelinFile {
 public:
  explicit RavelinFile(int members, int day = day_number(2024, 5, 1)) {
    path = (std::filesystem::temp_directory_path() / ("ravelin-test-" + std::to_string(::getpid()) + ".dat")).string();
    bytes.assign(34212 + 1650 * members, 0);
    put16(6, 2025);
    bytes[10] = 'a';
    put16(74, 20);
    put16(98, 100);
    put16(142, day);
    for (int k = 0; k <= 10; ++k) bytes[200 + 92 * k] = static_cast<std::uint8_t>('A' + k);
    for (int n = 1; n <= 100; ++n) {
      CourseRecord c{};
      set_field_text(c.course_name, "Course " + std::to_string(n));
      std::memcpy(&bytes[912 + 300 * n], &c, sizeof c);
    }
    for (int n = 1; n <= 10; ++n) bytes[31212 + 50 * (n + 2)] = static_cast<std::uint8_t>(n);
    bytes[31212 + 350] = 14;
    for (int m = 1; m <= members; ++m) {
      std::size_t at = 34212 + 1650 * (m - 1);
      std::string id = "ID" + std::to_string(m);
      std::memcpy(&bytes[at], id.c_str(), id.size());
      bytes[at + 1649] = static_cast<std::uint8_t>(m);
    }
  }
  ~RavelinFile() { std::filesystem::remove(path); }
  void write() const {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  void put16(std::size_t at, int v) {
    bytes[at] = static_cast<std::uint8_t>(v & 0xff);
    bytes[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xff);
  }

  std::string path;
  std::vector<std::uint8_t> bytes;
};

TEST(Ravelin, LayoutOfOneHundredCoursesAndTwentyScores) {
  RavelinFile file(3);
  file.write();
  RavelinReader r(file.path);
  ASSERT_TRUE(r.open_ravelin());
  EXPECT_EQ(r.read_ravelin(ravelin_kind::header, 1), 200);
  EXPECT_EQ(r.course_slots(), 100);
  EXPECT_EQ(r.scores_per_member(), 20);
  EXPECT_EQ(r.version(), 2025);
  EXPECT_EQ(r.version_letter(), 'a');
  EXPECT_EQ(r.course_area_end(), 31212);
  EXPECT_EQ(r.member_area_start(), 34212);
  EXPECT_EQ(r.member_record_size(), 1650);
  EXPECT_EQ(r.member_count(), 3);
  EXPECT_EQ(r.offset_of(ravelin_kind::course, 1), 1212);
  EXPECT_EQ(r.offset_of(ravelin_kind::flight, 10), 1120);
  EXPECT_EQ(r.offset_of(ravelin_kind::block12, 1), 33712);

  EXPECT_EQ(r.read_ravelin(ravelin_kind::first_record, 1), 92);
  EXPECT_EQ(r.buffer(ravelin_kind::first_record)[0], 'A');
  EXPECT_EQ(r.read_ravelin(ravelin_kind::flight, 4), 92);
  EXPECT_EQ(r.buffer(ravelin_kind::flight)[0], 'E');
  EXPECT_EQ(r.read_ravelin(ravelin_kind::system, 2), 50);
  EXPECT_EQ(r.buffer(ravelin_kind::system)[0], 2);
  EXPECT_EQ(r.read_ravelin(ravelin_kind::block14, 1), 150);
  EXPECT_EQ(r.buffer(ravelin_kind::block14)[0], 14);
  EXPECT_EQ(r.read_ravelin(ravelin_kind::member, 2), 1650);
  EXPECT_EQ(r.member_text(ravelin_member::member_id, 11), "ID2");
  EXPECT_EQ(r.buffer(ravelin_kind::member)[1649], 2);
  EXPECT_EQ(r.read_ravelin(ravelin_kind::member, 0), 0);
  EXPECT_EQ(r.read_ravelin(ravelin_kind::course, -1), 0);
  EXPECT_EQ(r.read_ravelin(7, 1), 0);
}

TEST(Ravelin, CachedCourseAndFlightUndoChangesMadeToTheBuffer) {
  RavelinFile file(1);
  file.write();
  RavelinReader r(file.path);
  ASSERT_TRUE(r.open_ravelin());
  r.read_ravelin(ravelin_kind::header, 1);
  EXPECT_EQ(r.read_ravelin(ravelin_kind::course, 5), 300);
  EXPECT_EQ(field_text(r.course().course_name), "Course 5");
  r.buffer(ravelin_kind::course)[0] = 'X';
  EXPECT_EQ(r.read_ravelin(ravelin_kind::course, 5), 300);
  EXPECT_EQ(field_text(r.course().course_name), "Course 5");
  // The cache holds the stored record, not the file: another course replaces it.
  EXPECT_EQ(r.read_ravelin(ravelin_kind::course, 6), 300);
  EXPECT_EQ(field_text(r.course().course_name), "Course 6");

  r.read_ravelin(ravelin_kind::flight, 2);
  r.buffer(ravelin_kind::flight)[0] = '?';
  r.read_ravelin(ravelin_kind::flight, 2);
  EXPECT_EQ(r.buffer(ravelin_kind::flight)[0], 'C');

  // Opening again forgets the cache: a changed file is read afresh.
  file.bytes[912 + 300 * 6] = 'Z';
  file.write();
  r.read_ravelin(ravelin_kind::course, 6);
  EXPECT_EQ(r.course().course_name[0], 'C');
  ASSERT_TRUE(r.open_ravelin());
  r.read_ravelin(ravelin_kind::header, 1);
  r.read_ravelin(ravelin_kind::course, 6);
  EXPECT_EQ(r.course().course_name[0], 'Z');
}

TEST(Ravelin, MembersBeyondTheEndAndShortFiles) {
  RavelinFile file(2);
  file.write();
  RavelinReader r(file.path);
  ASSERT_TRUE(r.open_ravelin());
  r.read_ravelin(ravelin_kind::header, 1);
  r.read_ravelin(ravelin_kind::member, 2);
  EXPECT_EQ(r.read_ravelin(ravelin_kind::member, 3), 0);
  std::vector<std::uint8_t> zero(1650, 0);
  EXPECT_EQ(r.buffer(ravelin_kind::member), zero);

  // Half a member record: a short read, the rest zero.
  file.bytes.resize(34212 + 1650 + 825);
  file.write();
  ASSERT_TRUE(r.open_ravelin());
  r.read_ravelin(ravelin_kind::header, 1);
  EXPECT_EQ(r.member_count(), 1);
  EXPECT_EQ(r.read_ravelin(ravelin_kind::member, 2), 825);
  EXPECT_EQ(r.member_text(ravelin_member::member_id, 11), "ID2");
  EXPECT_EQ(r.buffer(ravelin_kind::member)[1649], 0);

  // A file that ends inside the course area has no members at all.
  file.bytes.resize(5000);
  file.write();
  ASSERT_TRUE(r.open_ravelin());
  r.read_ravelin(ravelin_kind::header, 1);
  EXPECT_EQ(r.member_count(), 0);

  RavelinReader missing(file.path + ".none");
  EXPECT_FALSE(missing.open_ravelin());
  EXPECT_EQ(missing.read_ravelin(ravelin_kind::header, 1), 0);
}

TEST(Ravelin, SystemRecordOfOlderDatabasesGetsItsTwoSettings) {
  auto kind10_of = [](int day) {
    RavelinFile file(0, day);
    file.bytes[31212 + 150 + 37] = 9;
    file.put16(31212 + 150 + 38, 77);
    file.write();
    RavelinReader r(file.path);
    r.open_ravelin();
    r.read_ravelin(ravelin_kind::header, 1);
    r.read_ravelin(ravelin_kind::system, 1);
    auto& b = r.buffer(ravelin_kind::system);
    return std::pair<int, int>(b[37], b[38] | (b[39] << 8));
  };
  EXPECT_EQ(kind10_of(day_number(2021, 2, 15)), (std::pair<int, int>(0, 365)));
  EXPECT_EQ(kind10_of(day_number(2021, 2, 16)), (std::pair<int, int>(9, 77)));
}

}  // namespace
}  // namespace quillon
