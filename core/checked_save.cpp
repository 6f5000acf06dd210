#include "core/checked_save.h"

#include <cstring>
#include <vector>

#include "core/database.h"
#include "core/messages.h"

namespace quillon {

CheckedWrite write_if_unchanged(State& state, std::int64_t offset, const void* as_read, const void* data, std::size_t n,
                                std::string* why) {
  auto fail = [&](const std::string& reason) {
    if (why) *why = reason;
    return CheckedWrite::failed;
  };
  DatabaseLock lock(state.db);
  if (!lock.held()) return fail(lock.status().reason());
  std::vector<char> now(n, 0);
  state.db.read_at(offset, now.data(), n);
  if (state.db.read_failed()) return fail(state.db.read_error());
  if (std::memcmp(now.data(), as_read, n) != 0) return CheckedWrite::changed_meanwhile;
  if (Status written = state.db.write_at(offset, data, n); !written) return fail(written.reason());
  if (Status flushed = state.db.flush(); !flushed) return fail(flushed.reason());
  return CheckedWrite::written;
}

CheckedSave save_if_unchanged(State& state, std::int64_t offset, const void* as_read, const void* data, std::size_t n,
                              const char* what) {
  std::string why;
  switch (write_if_unchanged(state, offset, as_read, data, n, &why)) {
    case CheckedWrite::written: return CheckedSave::saved;
    case CheckedWrite::failed:
      error_box(state, "The Quillon database could not be written (%s).\n\nThe last change was NOT saved.",
                why.c_str());
      return CheckedSave::failed;
    case CheckedWrite::changed_meanwhile: break;
  }
  Button b =
      destructive_question(state, message_kind::question,
                           "The %s shown in this window has been changed by another user of the Quillon database "
                           "since the window read it.  Your changes have NOT been saved, so that the other change is "
                           "not overwritten.\n\nDo you wish to reload the window with the stored data?  (Your changes "
                           "in this window will be lost.)",
                           what);
  return b == Button::yes ? CheckedSave::reload : CheckedSave::keep_typing;
}

CheckedSave save_group_if_unchanged(State& state, int g, const GroupBuffer& as_read, const GroupBuffer& group) {
  int size = state.header.group_size;
  if (state.current_tournament < 1 || size < 1 || size > max_group_size || g < 1 || size * g > golfers_per_tournament) {
    error_box(state,
              "The Quillon database could not be written (group %d is outside the tournament).\n\n"
              "The last change was NOT saved.",
              g);
    return CheckedSave::failed;
  }
  state.group = group;
  return save_if_unchanged(state, group_offset(state, state.current_tournament, g, size), &as_read, &group,
                           static_cast<std::size_t>(size) * golfer_entry_size, "group of golfers");
}

bool save_group_or_reload(State& state, int g, const GroupBuffer& as_read, const GroupBuffer& group,
                          const std::function<void()>& reload) {
  switch (save_group_if_unchanged(state, g, as_read, group)) {
    case CheckedSave::saved: return true;
    case CheckedSave::reload: reload(); return false;
    case CheckedSave::keep_typing:
    case CheckedSave::failed: break;
  }
  return false;
}

}  // namespace quillon
