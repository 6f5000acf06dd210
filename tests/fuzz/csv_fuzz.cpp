// The CSV reader: any bytes give a table or a reason, and no row is longer
// than the header names columns for... or the reader says why.
#include "exchange/spreadsheets/spreadsheet_reader.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillon;
  std::filesystem::path file = fuzz::write_input("sheet.csv", data, size);
  Result<SheetTable> read = make_csv_reader()->read_first_sheet(file);
  if (!read) QUILLON_FUZZ_CHECK(!read.status().reason().empty());
  return 0;
}
