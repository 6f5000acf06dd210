#pragma once
// Printing for a program without a window (quillon-cli), in the module
// "quillon-print.so" that is loaded when a command first prints, so that the
// program starts without Qt.
#include <string>

#include "core/loadable_module.h"
#include "core/ui.h"

namespace quillon::print_qt {

struct PrintModule {
  // A job writing the PDF file `pdf_file` or, when that is empty, a job for
  // the printer of that name ("" = the default printer).
  PrinterOpening (*open_job)(const std::string& pdf_file, const std::string& printer_name,
                             const PrintSettings& settings);
};

// The module's entry function.
using PrintModuleEntry = const PrintModule* (*)();
inline constexpr const char* print_module_entry = "quillon_print_module";

// The loaded module; nullptr with `why` when it cannot be loaded.
inline const PrintModule* print_module(std::string& why) {
  return loaded_module<PrintModule>("print", print_module_entry, why);
}

}  // namespace quillon::print_qt
