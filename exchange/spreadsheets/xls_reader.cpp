// Legacy Excel 97-2003 workbooks (.xls) through FreeXL.
#include <freexl.h>

#include <string>

#include "exchange/spreadsheets/spreadsheet_reader.h"

namespace quillon {

namespace {

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
  Status read_first_sheet(const std::filesystem::path& path, SheetTable& table) override {
    XlsHandle xls;
    int rc = freexl_open(path.c_str(), &xls.handle);
    if (rc != FREEXL_OK) return Status::failed("FreeXL cannot open the workbook (error " + std::to_string(rc) + ")");
    unsigned int sheets = 0;
    if (freexl_get_info(xls.handle, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK || sheets == 0)
      return Status::failed("the workbook has no worksheet");
    if (freexl_select_active_worksheet(xls.handle, 0) != FREEXL_OK)
      return Status::failed("the first worksheet cannot be selected");
    unsigned int row_count = 0;
    unsigned short column_count = 0;
    if (freexl_worksheet_dimensions(xls.handle, &row_count, &column_count) != FREEXL_OK)
      return Status::failed("the size of the first worksheet cannot be read");
    std::vector<std::vector<std::string>> rows;
    for (unsigned int r = 0; r < row_count; ++r) {
      std::vector<std::string> row;
      for (unsigned short c = 0; c < column_count; ++c) {
        FreeXL_CellValue value{};
        if (freexl_get_cell_value(xls.handle, r, c, &value) != FREEXL_OK)
          return Status::failed("a cell of the first worksheet cannot be read");
        row.push_back(cell_text(value));
      }
      rows.push_back(std::move(row));
    }
    table_from_rows(std::move(rows), table);
    return Status::ok();
  }
};

}  // namespace

std::unique_ptr<SpreadsheetReader> make_xls_reader() { return std::make_unique<XlsReader>(); }

}  // namespace quillon
