#include "ui/window_fit.h"

#include <algorithm>
#include <cstdint>

namespace quorvane {

int LayoutDpi(const WindowDefinition& window, int dpi, PixelSize available) {
  const auto fits = [&](int at) {
    return TwipsToPixels(window.clientWidth, at) <= available.width &&
           TwipsToPixels(window.clientHeight, at) <= available.height;
  };
  if (fits(dpi) || window.clientWidth <= 0 || window.clientHeight <= 0) return dpi;
  const std::int64_t byWidth = std::int64_t{std::max(available.width, 0)} * 1440 / window.clientWidth;
  const std::int64_t byHeight = std::int64_t{std::max(available.height, 0)} * 1440 / window.clientHeight;
  const int lowest = (dpi + 1) / 2;
  int at = static_cast<int>(std::clamp<std::int64_t>(std::min(byWidth, byHeight) + 1, lowest, dpi));
  while (at > lowest && !fits(at)) --at;  // a step or two: the pixels are rounded
  return at;
}

PixelPoint ClampToWorkArea(PixelPoint wanted, PixelSize size, const PixelRect& work) {
  const auto clamp = [](int at, int length, int low, int high) {
    return std::max(std::min(at, high - length), low);
  };
  return {clamp(wanted.x, size.width, work.left, work.right),
          clamp(wanted.y, size.height, work.top, work.bottom)};
}

}  // namespace quorvane
