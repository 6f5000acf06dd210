#pragma once
// The readers and the writer that use the workbook libraries (zlib, expat,
// FreeXL, libxlsxwriter) live in the module "quillon-spreadsheets.so",
// loaded when a command first reads or writes a workbook.
#include <memory>

#include "exchange/spreadsheets/spreadsheet_reader.h"
#include "exchange/spreadsheets/spreadsheet_writer.h"

namespace quillon {

struct SpreadsheetModule {
  std::unique_ptr<SpreadsheetReader> (*xlsx_reader)();
  std::unique_ptr<SpreadsheetReader> (*ods_reader)();
  std::unique_ptr<SpreadsheetReader> (*xls_reader)();
  std::unique_ptr<SheetWriter> (*xlsx_writer)();
};

using SpreadsheetModuleEntry = const SpreadsheetModule* (*)();
inline constexpr const char* spreadsheet_module_entry = "quillon_spreadsheet_module";

}  // namespace quillon
