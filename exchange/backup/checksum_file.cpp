#include "exchange/backup/checksum_file.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/atomic_file.h"

namespace quillon {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t sha256_hex_length = 64;
constexpr std::size_t longest_checksum_file = 64 * 1024;

struct ChecksumLine {
  std::string hex;
  std::string name;
};

// "<hex>  <name>" or, as sha256sum writes for binary mode, "<hex> *<name>".
std::optional<ChecksumLine> parse_line(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() < sha256_hex_length + 2 || line[sha256_hex_length] != ' ') return std::nullopt;
  ChecksumLine parsed;
  for (std::size_t i = 0; i < sha256_hex_length; ++i) {
    auto c = static_cast<unsigned char>(line[i]);
    if (!std::isxdigit(c)) return std::nullopt;
    parsed.hex += static_cast<char>(std::tolower(c));
  }
  char mode = line[sha256_hex_length + 1];
  if (mode != ' ' && mode != '*') return std::nullopt;
  parsed.name = line.substr(sha256_hex_length + 2);
  if (parsed.name.empty()) return std::nullopt;
  return parsed;
}

}  // namespace

fs::path checksum_path_for(const fs::path& backup) {
  fs::path path = backup;
  path += ".sha256";
  return path;
}

std::string checksum_line(const std::string& sha256_hex, const std::string& file_name) {
  return sha256_hex + "  " + file_name + "\n";
}

Status write_checksum_file(const fs::path& backup, const std::vector<std::string>& sha256s) {
  std::string text;
  for (const std::string& hex : sha256s) text += checksum_line(hex, backup.filename().string());
  return write_file_atomically(checksum_path_for(backup), text);
}

Result<std::vector<std::string>> read_checksum_file(const fs::path& backup) {
  fs::path path = checksum_path_for(backup);
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(path, ec))) return std::vector<std::string>{};
  auto unreadable = [&](const std::string& why) {
    return Status::failed("The checksum file " + path.string() + " cannot be used (" + why + ").");
  };
  auto size = fs::file_size(path, ec);
  if (ec) return unreadable(ec.message());
  if (size > longest_checksum_file) return unreadable("it is far longer than a checksum file");
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in && !in.eof()) return unreadable("it cannot be read");

  std::vector<ChecksumLine> lines;
  std::istringstream rows(text.str());
  for (std::string row; std::getline(rows, row);) {
    if (row.empty()) continue;
    auto parsed = parse_line(row);
    if (!parsed) return unreadable("it does not hold lines of sha256sum");
    lines.push_back(*parsed);
  }
  const std::string name = backup.filename().string();
  std::vector<std::string> own;
  for (const ChecksumLine& line : lines)
    if (line.name == name) own.push_back(line.hex);
  // A pair of files renamed together still names the old file inside.
  if (own.empty() && lines.size() == 1) own.push_back(lines[0].hex);
  if (own.empty()) return unreadable("it holds no line for " + name);
  return own;
}

}  // namespace quillon
