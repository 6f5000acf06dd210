#include "core/window_rect.h"

#include "core/database.h"
#include "core/state.h"

namespace quillon {

WindowRect clamp_window_rect(WindowRect r) {
  if (r.right - r.left < 800) r.left = r.right - 800;
  if (r.left < 0) {
    r.right -= r.left;
    r.left = 0;
  } else if (r.left > 600) {
    r.right -= r.left - 600;
    r.left = 600;
  }
  if (r.bottom - r.top < 600) r.top = r.bottom - 600;
  if (r.top < 0) {
    r.bottom -= r.top;
    r.top = 0;
  } else if (r.top > 400) {
    r.bottom -= r.top - 400;
    r.top = 400;
  }
  return r;
}

WindowRect stored_window_rect(const State& state) {
  const auto& r = state.system.main_window_rect;  // left, right, top, bottom
  return WindowRect{r[0], r[2], r[1], r[3]};
}

Status save_window_rect(State& state, WindowRect rect) {
  state.system.main_window_rect[0] = static_cast<std::int16_t>(rect.left);
  state.system.main_window_rect[1] = static_cast<std::int16_t>(rect.right);
  state.system.main_window_rect[2] = static_cast<std::int16_t>(rect.top);
  state.system.main_window_rect[3] = static_cast<std::int16_t>(rect.bottom);
  return write_record(state, RecordKind::system, 1);
}

}  // namespace quillon
