// make_xlsx_reader, make_ods_reader, make_xls_reader and make_xlsx_writer of the programs:
// they load the module and take its reader or writer. Without the module
// the reader or writer fails and says why.
#include "exchange/spreadsheets/spreadsheet_module.h"

#include "core/loadable_module.h"

namespace quillon {

namespace {

const SpreadsheetModule* spreadsheet_module(std::string& why) {
  const SpreadsheetModule* module = loaded_module<SpreadsheetModule>("spreadsheets", spreadsheet_module_entry, why);
  why = "workbooks cannot be read or written: " + why;
  return module;
}

class UnavailableReader : public SpreadsheetReader {
 public:
  explicit UnavailableReader(std::string why) : why_(std::move(why)) {}
  Result<SheetTable> read_first_sheet(const std::filesystem::path&) override { return Status::failed(why_); }

 private:
  std::string why_;
};

class UnavailableWriter : public SheetWriter {
 public:
  explicit UnavailableWriter(std::string why) : why_(std::move(why)) {}
  Status create(const std::filesystem::path&, const std::string&, const std::vector<std::string>&) override {
    return Status::failed(why_);
  }
  Status add(const std::vector<std::string>&) override { return Status::failed(why_); }
  Status close() override { return Status::failed(why_); }

 private:
  std::string why_;
};

}  // namespace

std::unique_ptr<SpreadsheetReader> make_xlsx_reader() {
  std::string why;
  if (const SpreadsheetModule* module = spreadsheet_module(why)) return module->xlsx_reader();
  return std::make_unique<UnavailableReader>(why);
}

std::unique_ptr<SpreadsheetReader> make_ods_reader() {
  std::string why;
  if (const SpreadsheetModule* module = spreadsheet_module(why)) return module->ods_reader();
  return std::make_unique<UnavailableReader>(why);
}

std::unique_ptr<SpreadsheetReader> make_xls_reader() {
  std::string why;
  if (const SpreadsheetModule* module = spreadsheet_module(why)) return module->xls_reader();
  return std::make_unique<UnavailableReader>(why);
}

std::unique_ptr<SheetWriter> make_xlsx_writer() {
  std::string why;
  if (const SpreadsheetModule* module = spreadsheet_module(why)) return module->xlsx_writer();
  return std::make_unique<UnavailableWriter>(why);
}

}  // namespace quillon
