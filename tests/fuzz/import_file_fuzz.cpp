// The import file between a workbook and the field: any cells, written and
// read back, give every row with all its fields, each the cell made safe, so
// that no cell can shift the fields after it.
#include <vector>

#include "exchange/imports/import_file.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillon;
  if (size < 1) return 0;
  // The first byte sets the fields a row has (1..8); the rest is cut into
  // cells at every byte 0x00.
  const std::size_t fields = 1 + data[0] % 8;
  std::vector<std::string> cells(1);
  for (std::size_t i = 1; i < size; ++i) {
    if (data[i] == 0) cells.emplace_back();
    else cells.back() += static_cast<char>(data[i]);
  }
  std::vector<ImportLine> lines;
  for (std::size_t at = 0; at < cells.size(); at += fields) {
    ImportLine line(fields);
    for (std::size_t f = 0; f < fields && at + f < cells.size(); ++f) line[f] = cells[at + f];
    lines.push_back(std::move(line));
  }
  const std::filesystem::path file = fuzz::scratch() / import_file_name;
  QUILLON_FUZZ_CHECK(write_import_lines(file, lines));
  Result<std::vector<ImportLine>> back = read_import_lines(file, fields);
  QUILLON_FUZZ_CHECK(back);
  QUILLON_FUZZ_CHECK(back->size() == lines.size());
  for (std::size_t r = 0; r < lines.size(); ++r) {
    QUILLON_FUZZ_CHECK((*back)[r].size() == fields);
    for (std::size_t f = 0; f < fields; ++f) QUILLON_FUZZ_CHECK((*back)[r][f] == import_cell(lines[r][f]));
  }
  return 0;
}
