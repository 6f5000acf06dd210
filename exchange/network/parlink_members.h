#pragma once
// The Parlink member list, club + ".hdx": fields that end at CR (with its LF),
// TAB, ';' or the byte 0xFF; six fields a member; closed by a "memcount" field
// with the number of members from its tenth character on.
#include <filesystem>
#include <string>
#include <vector>

#include "core/result.h"

namespace quillon {

inline constexpr int parlink_field_limit = 499;

struct ParlinkMember {
  std::string name;  // at most 25 characters
  std::string member_id;
  char gender = 'M';
  std::string index_text;  // tenths of a stroke; '+' marks a plus handicap; "EOF" when empty
  std::string index_kind;  // "18" for an 18-hole index
};

struct ParlinkMemberList {
  std::vector<ParlinkMember> members;
  bool club_not_found = false;  // the server answered "he selected club ..."
  bool count_found = false;
  int declared_count = 0;
  // The list is whole: its closing count was read and matches the members.
  bool complete() const { return count_found && declared_count == static_cast<int>(members.size()); }
};

// Reads the list; fails when the file cannot be opened.
[[nodiscard]] Result<ParlinkMemberList> read_parlink_members(const std::filesystem::path& path);

// The handicap index in tenths of a member's index field: an empty field, one
// above 500 (or below -500, or not a number) takes 364 for men and 404
// otherwise; on a 9-hole course an 18-hole index is halved; the result is
// truncated toward zero.
int parlink_index_tenths(const ParlinkMember& member, bool nine_hole_course);

}  // namespace quillon
