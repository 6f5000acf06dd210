#pragma once
// The main window's rectangle, kept in the system record between runs.
#include "core/status.h"

namespace quillon {

struct State;

struct WindowRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const WindowRect&) const = default;
};

// A stored rectangle made fit for showing: at least 800 x 600 (growing to the
// left and upwards), its left edge within 0..600 and its top within 0..400,
// the whole rectangle moved when clamped.
WindowRect clamp_window_rect(WindowRect stored);
WindowRect stored_window_rect(const State& state);
// Saves the rectangle into the system record and writes it.
[[nodiscard]] Status save_window_rect(State& state, WindowRect rect);

}  // namespace quillon
