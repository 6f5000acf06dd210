// Legacy Excel 97-2003 workbooks (.xls, BIFF8) through FreeXL. Older Excel
// formats are recognised by their first bytes and refused by name, and the
// FreeXL errors a workbook can give are said in words.
#include <freexl.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "exchange/spreadsheets/spreadsheet_reader.h"

namespace quillon {

namespace {

constexpr unsigned char compound_file_signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr const char* save_as_xlsx = "; open it in a spreadsheet program and save it as an .xlsx workbook";

std::string too_old(const std::string& format) {
  return "the workbook is in the " + format + " format, which is too old to be read" + save_as_xlsx;
}

// The format of a file that is not a compound document: the BIFF2-4 files
// of Excel 2.x to 4.0 begin with their BOF record (09 00, 09 02, 09 04).
std::string plain_stream_format(const std::string& head) {
  if (head.size() < 2 || static_cast<unsigned char>(head[0]) != 0x09) return {};
  switch (static_cast<unsigned char>(head[1])) {
    case 0x00: return "Excel 2.x (BIFF2)";
    case 0x02: return "Excel 3.0 (BIFF3)";
    case 0x04: return "Excel 4.0 (BIFF4)";
    default: return {};
  }
}

// Whether the compound document has a stream of this (ASCII) name. The
// directory entries lie in whole sectors after the 512-byte header, 128 bytes
// each: the UTF-16 name, then its length in bytes with the terminator.
bool has_stream(const std::string& file, std::string_view name) {
  constexpr std::size_t entry = 128;
  constexpr std::size_t header = 512;
  const std::size_t length = (name.size() + 1) * 2;
  for (std::size_t at = header; at + entry <= file.size(); at += entry) {
    auto stored = static_cast<std::size_t>(static_cast<unsigned char>(file[at + 64]) |
                                           static_cast<unsigned char>(file[at + 65]) << 8);
    if (stored != length) continue;
    bool same = true;
    for (std::size_t i = 0; i < name.size() && same; ++i)
      same = file[at + 2 * i] == name[i] && file[at + 2 * i + 1] == '\0';
    if (same) return true;
  }
  return false;
}

std::string open_failure(int rc) {
  switch (rc) {
    case FREEXL_INVALID_MINI_STREAM:
    case FREEXL_CFBF_ILLEGAL_MINI_FAT_ENTRY:
      return "the workbook is stored in the small-file area (mini stream) of its compound document, which the .xls "
             "reader (FreeXL) cannot read (FreeXL error " +
             std::to_string(rc) + ")" + save_as_xlsx;
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
      return "the file holds no Excel 97-2003 workbook stream; an Excel 5.0/95 (BIFF5) workbook is too old to be "
             "read" +
             std::string(save_as_xlsx);
    case FREEXL_CRAFTED_FILE: return "the file is damaged or was made to harm the reader (FreeXL error -26)";
    case FREEXL_INSUFFICIENT_MEMORY: return "the workbook needs more memory than a spreadsheet of golfers may";
    default: return "FreeXL cannot open the workbook (error " + std::to_string(rc) + ")";
  }
}

std::string cell_text(const FreeXL_CellValue& value) {
  switch (value.type) {
    case FREEXL_CELL_INT: return std::to_string(value.value.int_value);
    case FREEXL_CELL_DOUBLE: return number_text(value.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME: return value.value.text_value ? value.value.text_value : "";
    default: return {};
  }
}

// Closes the workbook however the reading ends.
struct XlsHandle {
  const void* handle = nullptr;
  ~XlsHandle() {
    if (handle) freexl_close(handle);
  }
};

class XlsReader : public SpreadsheetReader {
 public:
  Result<SheetTable> read_first_sheet(const std::filesystem::path& path) override {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Status::failed("the file cannot be opened");
    std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (file.size() < 8 || std::memcmp(file.data(), compound_file_signature, 8) != 0) {
      std::string old = plain_stream_format(file);
      return Status::failed(old.empty() ? "the file is not an Excel 97-2003 workbook" : too_old(old));
    }
    // Excel 5.0/95 keeps its workbook in a stream named "Book", 97-2003 in "Workbook".
    if (!has_stream(file, "Workbook") && has_stream(file, "Book"))
      return Status::failed(too_old("Excel 5.0/95 (BIFF5)"));
    XlsHandle xls;
    int rc = freexl_open(path.c_str(), &xls.handle);
    if (rc != FREEXL_OK) return Status::failed(open_failure(rc));
    unsigned int biff = 0;
    if (freexl_get_info(xls.handle, FREEXL_BIFF_VERSION, &biff) == FREEXL_OK && biff != FREEXL_BIFF_VER_8)
      return Status::failed(
          too_old(biff == FREEXL_BIFF_VER_5 ? "Excel 5.0/95 (BIFF5)" : "Excel BIFF" + std::to_string(biff)));
    unsigned int sheets = 0;
    if (freexl_get_info(xls.handle, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK || sheets == 0)
      return Status::failed("the workbook has no worksheet");
    if (freexl_select_active_worksheet(xls.handle, 0) != FREEXL_OK)
      return Status::failed("the first worksheet cannot be selected");
    unsigned int row_count = 0;
    unsigned short column_count = 0;
    if (freexl_worksheet_dimensions(xls.handle, &row_count, &column_count) != FREEXL_OK)
      return Status::failed("the size of the first worksheet cannot be read");
    CellGrid grid;
    for (unsigned int r = 0; r < row_count; ++r)
      for (unsigned short c = 0; c < column_count; ++c) {
        FreeXL_CellValue value{};
        if (freexl_get_cell_value(xls.handle, r, c, &value) != FREEXL_OK)
          return Status::failed("cell " + column_letters(c) + std::to_string(r + 1) + " cannot be read");
        grid.put(r, c, cell_text(value));
      }
    return table_from_rows(grid.take_rows());
  }
};

}  // namespace

std::unique_ptr<SpreadsheetReader> make_xls_reader() { return std::make_unique<XlsReader>(); }

}  // namespace quillon
