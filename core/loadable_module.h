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

}  // namespace quillon
