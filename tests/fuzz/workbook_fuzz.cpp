// The workbook readers: the first byte picks the kind, the rest is the file.
// Our .xlsx and .ods readers run here in the process and give a table within
// the sheet bounds, or a reason. The .xls reader (FreeXL, whose faults are
// not ours to mend) runs as the program runs it, in a child process: whatever
// the file does to the library, the answer is a table or a reason.
#include "exchange/spreadsheets/isolated_read.h"
#include "exchange/spreadsheets/spreadsheet_reader.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillon;
  if (size < 1) return 0;
  static const char* const names[] = {"sheet.xlsx", "sheet.ods", "sheet.xls"};
  const int kind = data[0] % 3;
  std::filesystem::path file = fuzz::write_input(names[kind], data + 1, size - 1);
  std::unique_ptr<SpreadsheetReader> reader = make_spreadsheet_reader(spreadsheet_kind_of(file));
  auto read = [&] { return reader->read_first_sheet(file); };
  Result<SheetTable> answer = kind == 2 ? read_in_child(read) : read();
  if (!answer) {
    QUILLON_FUZZ_CHECK(!answer.status().reason().empty());
    return 0;
  }
  const SheetTable& table = *answer;
  QUILLON_FUZZ_CHECK(table.columns.size() <= max_sheet_columns);
  QUILLON_FUZZ_CHECK(table.rows.size() < max_sheet_rows);
  for (const auto& row : table.rows)
    for (const std::string& cell : row) QUILLON_FUZZ_CHECK(cell.size() <= max_cell_bytes);
  return 0;
}
