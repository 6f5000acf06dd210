#pragma once
// Reading a worksheet in a child process. Workbooks come from anywhere; the
// parsers that read them (ours and FreeXL) run in a process of their own
// with a bound on its memory and time, and only the cell texts come back
// through a pipe. A parser that crashes, loops or swallows memory ends the
// child, never the program or its open database.
#include <functional>

#include "core/status.h"
#include "exchange/spreadsheets/spreadsheet_reader.h"

namespace quillon {

struct ChildLimits {
  std::size_t memory_bytes = 768u << 20;
  int seconds = 20;
};

// Whether the child's memory is bounded: not under AddressSanitizer, whose
// shadow memory needs more address space than any bound allows.
bool child_memory_limited();

// Runs `read` in a child process and gives back the table it read, or the
// reason it gave, or why the child ended without an answer.
[[nodiscard]] Result<SheetTable> read_in_child(const std::function<Result<SheetTable>()>& read,
                                               ChildLimits limits = {});

// The table (or the failure) as bytes, and back; the parent checks every
// length it is given.
std::string encode_sheet_answer(const Result<SheetTable>& answer);
[[nodiscard]] Result<SheetTable> decode_sheet_answer(std::string_view bytes);

}  // namespace quillon
