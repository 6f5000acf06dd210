// The entry of the module "quillon-spreadsheets.so".
#include "exchange/spreadsheets/spreadsheet_module.h"

namespace {

const quillon::SpreadsheetModule module{quillon::make_xlsx_reader, quillon::make_ods_reader,
                                        quillon::make_xls_reader, quillon::make_xlsx_writer};

}  // namespace

extern "C" __attribute__((visibility("default"))) const quillon::SpreadsheetModule* quillon_spreadsheet_module() {
  return &module;
}
