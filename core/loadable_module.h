#pragma once
// Modules loaded when a command first needs them (printing, spreadsheets,
// the network), so that the programs start without their libraries. A
// module is a shared object "quillon-NAME.so" with one entry function; it is
// looked for in the folder named by QUILLON_MODULE_DIR, beside the program,
// in the folder above it (the build tree) and in ../lib/quillon (installed).
#include <string>

namespace quillon {

// The module's entry function, or nullptr with `why` saying what went wrong.
// A module once loaded stays loaded.
void* module_entry(const std::string& name, const char* entry, std::string& why);

// The table of functions a module's entry returns, from the first call on;
// nullptr with `why` when the module cannot be loaded.
//   const PrintModule* print = loaded_module<PrintModule>("print", "quillon_print_module", why);
template <typename Module>
const Module* loaded_module(const char* name, const char* entry, std::string& why) {
  static std::string failure;
  static const Module* module = [&] {
    auto function = reinterpret_cast<const Module* (*)()>(module_entry(name, entry, failure));
    return function ? function() : nullptr;
  }();
  why = failure;
  return module;
}

}  // namespace quillon
