#pragma once
// What the user is told when a test makes the database's reads fail
// (DatabaseFile::fail_reads_after, which fails them as the disk would: EIO).
#include <string>

namespace quillon::testing {

inline const std::string injected_read_error = "The Quillon database could not be read (read: Input/output error).";

}  // namespace quillon::testing
