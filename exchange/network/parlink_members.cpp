#include "exchange/network/parlink_members.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace quillon {

namespace {

constexpr std::size_t member_name_limit = 25;
constexpr std::size_t fields_per_member = 6;
constexpr std::size_t count_digits_at = 9;
constexpr int default_men_index = 364;
constexpr int default_women_index = 404;
constexpr double highest_index = 500;
constexpr double rounding = 0.05;
constexpr const char* empty_field = "EOF";

class FieldReader {
 public:
  explicit FieldReader(std::string bytes) : bytes_(std::move(bytes)) {}
  bool at_end() const { return at_ >= bytes_.size(); }
  std::string next() {
    std::string field;
    while (at_ < bytes_.size()) {
      unsigned char c = static_cast<unsigned char>(bytes_[at_++]);
      if (c == '\r') {
        if (at_ < bytes_.size() && bytes_[at_] == '\n') ++at_;
        break;
      }
      if (c == '\t' || c == ';' || c == 0xFF) break;
      if (field.size() < parlink_field_limit) field += static_cast<char>(c);
    }
    return field.empty() ? empty_field : field;
  }

 private:
  std::string bytes_;
  std::size_t at_ = 0;
};

bool starts_with_ignoring_case(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  return true;
}

}  // namespace

namespace {

// Fills the list from the file's fields; ends early at the club message, the
// count or a cut-off member.
void read_members(std::ifstream& in, ParlinkMemberList& list) {
  FieldReader reader{std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())};
  bool first = true;
  while (!reader.at_end()) {
    std::string fields[fields_per_member];
    for (std::size_t i = 0; i < fields_per_member; ++i) {
      fields[i] = reader.next();
      if (first && starts_with_ignoring_case(fields[i], "he selected club")) {
        list.club_not_found = true;
        return;
      }
      first = false;
      if (starts_with_ignoring_case(fields[i], "memcount")) {
        list.count_found = true;
        std::string digits;
        for (std::size_t at = count_digits_at;
             at < fields[i].size() && std::isdigit(static_cast<unsigned char>(fields[i][at])); ++at)
          digits += fields[i][at];
        list.declared_count = digits.empty() || digits.size() > 9 ? -1 : std::atoi(digits.c_str());
        return;
      }
      if (reader.at_end() && i + 1 < fields_per_member) return;  // a cut-off member is not counted
    }
    ParlinkMember m;
    m.name = fields[1].substr(0, member_name_limit);
    m.member_id = fields[2];
    m.gender = fields[3].empty() ? 'M' : fields[3][0];
    m.index_text = fields[4];
    m.index_kind = fields[5];
    list.members.push_back(std::move(m));
  }
}

}  // namespace

Result<ParlinkMemberList> read_parlink_members(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Status::failed("The member list " + path.string() + " cannot be read.");
  ParlinkMemberList list;
  read_members(in, list);
  return list;
}

int parlink_index_tenths(const ParlinkMember& member, bool nine_hole_course) {
  const std::string& text = member.index_text;
  bool plus = !text.empty() && text[0] == '+';
  double value = std::atof(text.c_str() + (plus ? 1 : 0));
  // A field that is no index (far out either way, or not a number) must not
  // wrap the 16-bit index: it counts as empty.
  if (text == empty_field || !(std::fabs(value) <= highest_index)) {
    value = member.gender == 'M' ? default_men_index : default_women_index;
    plus = false;
  }
  value = plus ? -value - rounding : value + rounding;
  if (nine_hole_course && member.index_kind == "18") value /= 2;
  return static_cast<int>(std::trunc(value));
}

}  // namespace quillon
