#include "exchange/spreadsheets/zip_file.h"

#include <zlib.h>

#include <fstream>
#include <iterator>

namespace quillon {

namespace {

constexpr std::uint32_t end_signature = 0x06054b50;
constexpr std::uint32_t central_signature = 0x02014b50;
constexpr std::uint32_t local_signature = 0x04034b50;
constexpr std::size_t end_record_size = 22;
constexpr std::size_t central_record_size = 46;
constexpr std::size_t local_record_size = 30;
constexpr std::size_t largest_comment = 0xFFFF;
constexpr unsigned stored = 0;
constexpr unsigned deflated = 8;

std::uint32_t u16(const std::string& b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}
std::uint32_t u32(const std::string& b, std::size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }

Status not_a_workbook(const std::string& why) {
  return Status::failed("the file is not a zip workbook, or it is damaged (" + why + ")");
}

}  // namespace

Result<ZipFile> ZipFile::open(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Status::failed("the file cannot be opened");
  ZipFile zip;
  zip.bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return Status::failed("the file cannot be read");
  const std::string& b = zip.bytes_;
  if (b.size() < end_record_size) return not_a_workbook("too short");
  std::size_t end = std::string::npos;
  std::size_t lowest = b.size() > end_record_size + largest_comment ? b.size() - end_record_size - largest_comment : 0;
  for (std::size_t at = b.size() - end_record_size + 1; at-- > lowest;)
    if (u32(b, at) == end_signature) {
      end = at;
      break;
    }
  if (end == std::string::npos) return not_a_workbook("no zip directory");
  std::size_t count = u16(b, end + 10);
  std::size_t at = u32(b, end + 16);
  if (u32(b, end + 16) == 0xFFFFFFFF || count == 0xFFFF) return not_a_workbook("a zip64 archive");
  for (std::size_t i = 0; i < count; ++i) {
    if (at > b.size() || b.size() - at < central_record_size || u32(b, at) != central_signature)
      return not_a_workbook("a damaged zip directory");
    Entry e;
    e.method = u16(b, at + 10);
    e.packed = u32(b, at + 20);
    e.size = u32(b, at + 24);
    std::size_t name_length = u16(b, at + 28);
    std::size_t extra = u16(b, at + 30);
    std::size_t comment = u16(b, at + 32);
    e.local_header = u32(b, at + 42);
    if (b.size() - at - central_record_size < name_length) return not_a_workbook("a damaged zip directory");
    e.name = b.substr(at + central_record_size, name_length);
    zip.entries_.push_back(std::move(e));
    at += central_record_size + name_length + extra + comment;
  }
  return zip;
}

const ZipFile::Entry* ZipFile::find(std::string_view name) const {
  for (const auto& e : entries_)
    if (e.name == name) return &e;
  return nullptr;
}

Result<std::string> ZipFile::read(std::string_view name, std::size_t limit) const {
  const Entry* e = find(name);
  if (!e) return Status::failed("the workbook has no part " + std::string(name));
  const std::string part = "the part " + std::string(name);
  if (e->size > limit)
    return Status::failed(part + " would unpack to " + std::to_string(e->size >> 20) + " MB, more than the " +
                          std::to_string(limit >> 20) + " MB a spreadsheet of golfers may hold");
  const std::string& b = bytes_;
  std::size_t at = e->local_header;
  if (at > b.size() || b.size() - at < local_record_size || u32(b, at) != local_signature)
    return not_a_workbook(part + " is damaged");
  std::size_t data = at + local_record_size + u16(b, at + 26) + u16(b, at + 28);
  if (data > b.size() || b.size() - data < e->packed) return not_a_workbook(part + " is cut short");
  if (e->method == stored) {
    if (e->packed != e->size) return not_a_workbook(part + " is damaged");
    return b.substr(data, e->size);
  }
  if (e->method != deflated) return not_a_workbook(part + " is packed in a way that cannot be read");
  std::string out(e->size, '\0');
  z_stream z{};
  if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return Status::failed("the unpacker cannot start");
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(b.data() + data));
  z.avail_in = static_cast<uInt>(e->packed);
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  int rc = inflate(&z, Z_FINISH);
  std::size_t produced = out.size() - z.avail_out;
  inflateEnd(&z);
  // A part that unpacks to more than its directory says is refused rather than grown.
  if (rc != Z_STREAM_END || produced != e->size) return not_a_workbook(part + " does not unpack to its stated size");
  return out;
}

}  // namespace quillon
