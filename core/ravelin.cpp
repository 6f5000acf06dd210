#include "core/ravelin.h"

#include <algorithm>
#include <cstring>

#include "core/dates.h"

namespace quillon {

namespace {

int int16_at(const std::vector<std::uint8_t>& b, int at) { return static_cast<std::int16_t>(b[at] | (b[at + 1] << 8)); }

int uint16_at(const std::vector<std::uint8_t>& b, int at) { return b[at] | (b[at + 1] << 8); }

}  // namespace

RavelinReader::RavelinReader(std::string path) : path_(std::move(path)) {}

RavelinReader::~RavelinReader() { close(); }

bool RavelinReader::open_ravelin() {
  close();
  last_flight_ = 0;
  last_course_ = 0;
  // Read-only: nothing is ever written to the other product's file, and a
  // write-protected copy can still be read.
  file_ = std::fopen(path_.c_str(), "rb");
  return file_ != nullptr;
}

void RavelinReader::close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

int RavelinReader::course_slots() const { return int16_at(header_, ravelin_header::course_slots); }
int RavelinReader::scores_per_member() const { return int16_at(header_, ravelin_header::scores_per_member); }
int RavelinReader::version() const { return int16_at(header_, ravelin_header::version); }
char RavelinReader::version_letter() const { return static_cast<char>(header_[ravelin_header::version_letter]); }
int RavelinReader::day_number() const { return uint16_at(header_, ravelin_header::day_number); }

std::int64_t RavelinReader::course_area_end() const { return 1212 + 300LL * course_slots(); }

int RavelinReader::member_count() const {
  if (!file_) return 0;
  long here = std::ftell(file_);
  std::fseek(file_, 0, SEEK_END);
  std::int64_t length = std::ftell(file_);
  std::fseek(file_, here, SEEK_SET);
  std::int64_t record = member_record_size();
  // A file that ends before the member area, or a damaged score count, holds no members.
  if (record <= 0 || length <= member_area_start()) return 0;
  return static_cast<int>((length - member_area_start()) / record);
}

std::int64_t RavelinReader::offset_of(int kind, int number) const {
  std::int64_t b = course_area_end();
  switch (kind) {
    case ravelin_kind::header: return 0;
    case ravelin_kind::first_record: return 200;
    case ravelin_kind::flight: return 200 + 92LL * number;
    case ravelin_kind::course: return 912 + 300LL * number;
    case ravelin_kind::block9: return b;
    case ravelin_kind::block5: return b - 50 + 50LL * number;
    case ravelin_kind::system: return b + 50LL * (number + 2);
    case ravelin_kind::block14: return b + 350;
    case ravelin_kind::block12: return b + 2500;
    case ravelin_kind::member:
      return member_area_start() + static_cast<std::int64_t>(member_record_size()) * (number - 1);
  }
  return -1;
}

std::vector<std::uint8_t>& RavelinReader::buffer(int kind) {
  switch (kind) {
    case ravelin_kind::header: return header_;
    case ravelin_kind::first_record:
    case ravelin_kind::flight: return record92_;
    case ravelin_kind::course: return course_;
    case ravelin_kind::member: return member_;
    case ravelin_kind::block5: return block5_;
    case ravelin_kind::block9: return block9_;
    case ravelin_kind::system: return system_;
    case ravelin_kind::block12: return block12_;
    case ravelin_kind::block14: return block14_;
  }
  unknown_.clear();
  return unknown_;
}

CourseRecord RavelinReader::course() const {
  CourseRecord c;
  std::memcpy(&c, course_.data(), sizeof c);
  return c;
}

std::string RavelinReader::member_text(int offset, int width) const {
  if (offset < 0 || offset >= static_cast<int>(member_.size())) return "";
  int n = std::min(width, static_cast<int>(member_.size()) - offset);
  const char* start = reinterpret_cast<const char*>(member_.data() + offset);
  const void* end = std::memchr(start, 0, n);
  return std::string(start, end ? static_cast<const char*>(end) - start : n);
}

int RavelinReader::read_into(std::vector<std::uint8_t>& target, std::int64_t offset,
                             bool position_failure_returns_number, int number) {
  std::fill(target.begin(), target.end(), 0);
  if (!file_ || offset < 0 || std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0)
    return position_failure_returns_number ? number : 0;
  return static_cast<int>(std::fread(target.data(), 1, target.size(), file_));
}

int RavelinReader::read_ravelin(int kind, int number) {
  if (number < 1) return 0;
  std::vector<std::uint8_t>& target = buffer(kind);
  if (target.empty() && kind != ravelin_kind::member) return 0;

  if (kind == ravelin_kind::flight && number == last_flight_) {
    target = saved_flight_;
    return saved_flight_read_;
  }
  if (kind == ravelin_kind::course && number == last_course_) {
    target = saved_course_;
    return saved_course_read_;
  }
  if (kind == ravelin_kind::member) {
    int size = member_record_size();
    member_.assign(size > 0 ? static_cast<std::size_t>(size) : 0, 0);
  }

  int read = read_into(target, offset_of(kind, number), kind == ravelin_kind::member, number);

  if (kind == ravelin_kind::flight) {
    last_flight_ = number;
    saved_flight_ = target;
    saved_flight_read_ = read;
  } else if (kind == ravelin_kind::course) {
    last_course_ = number;
    saved_course_ = target;
    saved_course_read_ = read;
  } else if (kind == ravelin_kind::system) {
    apply_old_system_fixup();
  }
  return read;
}

// Databases written before 16 February 2021 lack two settings of the kind-10
// record; they read as 0 and 365.
void RavelinReader::apply_old_system_fixup() {
  if (day_number() >= quillon::day_number(2021, 2, 16)) return;
  system_[37] = 0;
  system_[38] = 365 & 0xff;
  system_[39] = 365 >> 8;
}

}  // namespace quillon
