#pragma once
// Fitting a window into the work area of its screen (the screen less the
// taskbar) at any DPI, so that its title bar and every control can be seen.
#include "ui/window_definition.h"

namespace quorvane {

struct PixelPoint {
  int x, y;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelRect {
  int left, top, right, bottom;
};

// The DPI to lay the window's controls out at: its own, where its designed
// client area fits into `available` (the work area less the title bar and
// frame); else the highest lower DPI at which it fits, but not under half
// its own, where text gets too small to help anyone.
int LayoutDpi(const WindowDefinition& window, int dpi, PixelSize available);

// Where a window of `size` that would go to `wanted` goes instead: moved as
// little as needed to lie inside `work`. One larger than `work` keeps its
// top-left corner, and with it the title bar, inside.
PixelPoint ClampToWorkArea(PixelPoint wanted, PixelSize size, const PixelRect& work);

}  // namespace quorvane
