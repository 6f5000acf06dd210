#pragma once
// Saving from windows that stay open while the user types. A window keeps the
// bytes it read; on OK they are compared, under the database lock, with what
// the file holds now, and the new bytes are written only when nothing changed
// meanwhile. Another opener's change is never overwritten silently: the user
// is told and offered to reload. The lock is released before any message.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "core/state.h"

namespace quillon {

enum class CheckedWrite { written, changed_meanwhile, failed };

// Writes n bytes of `data` at `offset` when the file still holds `as_read`
// there (bytes past the end count as zeros). No message is shown; on failure
// `why` says what went wrong.
[[nodiscard]] CheckedWrite write_if_unchanged(State& state, std::int64_t offset, const void* as_read, const void* data,
                                              std::size_t n, std::string* why);

enum class CheckedSave { saved, reload, keep_typing, failed };

// write_if_unchanged with the user told: a write failure as an error, a change
// by another opener as a Yes/No question whether to reload the window (`what`
// names the record, as in "group of golfers").
[[nodiscard]] CheckedSave save_if_unchanged(State& state, std::int64_t offset, const void* as_read, const void* data,
                                            std::size_t n, const char* what);

// The same for group g of the current tournament.
[[nodiscard]] CheckedSave save_group_if_unchanged(State& state, int g, const GroupBuffer& as_read,
                                                  const GroupBuffer& group);

// save_group_if_unchanged for a window: true when the group was written; when
// the user chose to reload after another opener's change, `reload` runs first.
[[nodiscard]] bool save_group_or_reload(State& state, int g, const GroupBuffer& as_read, const GroupBuffer& group,
                                        const std::function<void()>& reload);

}  // namespace quillon
