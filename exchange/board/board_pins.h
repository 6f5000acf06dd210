#pragma once
// The groups' PINs for score entry from phones, kept in "board_pins.txt" in
// the home folder (one "tournament group pin" a line), apart from the
// database. A PIN is six random digits.
#include <filesystem>
#include <map>
#include <string>
#include <utility>

#include "core/result.h"
#include "core/status.h"

namespace quillon::board {

using PinKey = std::pair<int, int>;  // tournament, group

class PinBook {
 public:
  // Reads the file; an empty book when it is missing. Fails on a line that
  // cannot be read.
  static Result<PinBook> load(const std::filesystem::path& home);
  // The PIN of a group, "" when it has none.
  std::string pin(int tournament, int group) const;
  bool matches(int tournament, int group, const std::string& typed) const;
  const std::map<PinKey, std::string>& pins() const { return pins_; }

 private:
  std::map<PinKey, std::string> pins_;
  friend Status ensure_pins(const std::filesystem::path&, int, int, PinBook*);
  friend Result<std::string> issue_new_pin(const std::filesystem::path&, int, int);
};

// Gives every group 1..group_count of the tournament a PIN that has none
// (under the file's lock, written atomically); `book` receives the result.
[[nodiscard]] Status ensure_pins(const std::filesystem::path& home, int tournament, int group_count, PinBook* book);

// Replaces the PIN of one group with a new random one and returns it.
Result<std::string> issue_new_pin(const std::filesystem::path& home, int tournament, int group);

// Six random digits.
std::string random_pin();

}  // namespace quillon::board
