// The entry of the module "quillon-print.so".
#include "print_qt/print_jobs.h"
#include "print_qt/print_module.h"

namespace {

using namespace quillon;

PrinterOpening open_job(const std::string& pdf_file, const std::string& printer_name, const PrintSettings& settings) {
  print_qt::ensure_gui_application();
  return pdf_file.empty() ? print_qt::open_named_printer_job(printer_name, settings)
                          : print_qt::open_pdf_job(pdf_file, settings);
}

const print_qt::PrintModule module{open_job};

}  // namespace

extern "C" __attribute__((visibility("default"))) const quillon::print_qt::PrintModule* quillon_print_module() {
  return &module;
}
