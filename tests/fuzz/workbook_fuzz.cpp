// The workbook readers (.xlsx, .ods, .xls): the first byte picks the reader,
// the rest is the file. Any bytes give a table or a reason.
#include "exchange/spreadsheets/spreadsheet_reader.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillon;
  if (size < 1) return 0;
  static const char* const names[] = {"sheet.xlsx", "sheet.ods", "sheet.xls"};
  const char* name = names[data[0] % 3];
  std::filesystem::path file = fuzz::write_input(name, data + 1, size - 1);
  SheetTable table;
  Status read = make_spreadsheet_reader(spreadsheet_kind_of(file))->read_first_sheet(file, table);
  if (!read) QUILLON_FUZZ_CHECK(!read.reason().empty());
  return 0;
}
