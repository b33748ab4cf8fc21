#include "ui/window_definition.h"

#include <algorithm>
#include <cstdint>

namespace quorvane {
namespace {

void AppendChildren(const WindowDefinition& window, int containerId,
                    std::vector<const ControlDefinition*>& out) {
  std::vector<const ControlDefinition*> level;
  for (const auto& control : window.controls)
    if (control.containerId == containerId) level.push_back(&control);
  std::stable_sort(level.begin(), level.end(),
                   [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
  out.insert(out.end(), level.begin(), level.end());
  for (const auto* control : level)
    if (control->kind == ControlKind::PictureBox) AppendChildren(window, control->id, out);
}

}  // namespace

bool TakesFocus(const ControlDefinition& control) {
  if (control.flags & kNotTabStop) return false;
  return control.kind != ControlKind::Label && control.kind != ControlKind::Frame;
}

int TwipsToPixels(int twips, int dpi) {
  // Same rounding as MulDiv: to nearest, halves away from zero.
  const std::int64_t product = static_cast<std::int64_t>(twips) * dpi;
  const std::int64_t half = 720;
  return static_cast<int>(product >= 0 ? (product + half) / 1440 : -((-product + half) / 1440));
}

PixelSize ClientSizeAfterDpiChange(const WindowDefinition& window, bool resizable, PixelSize current,
                                   int oldDpi, int newDpi) {
  if (!resizable || oldDpi <= 0)
    return {TwipsToPixels(window.clientWidth, newDpi), TwipsToPixels(window.clientHeight, newDpi)};
  // Rounded to the nearest pixel, as MulDiv does for sizes.
  const auto scale = [&](int pixels) {
    return static_cast<int>((static_cast<std::int64_t>(pixels) * newDpi + oldDpi / 2) / oldDpi);
  };
  return {scale(current.width), scale(current.height)};
}

std::vector<const ControlDefinition*> CreationOrder(const WindowDefinition& window) {
  std::vector<const ControlDefinition*> order;
  AppendChildren(window, 0, order);
  return order;
}

const ControlDefinition* FindControl(const WindowDefinition& window, int id) {
  for (const auto& control : window.controls)
    if (control.id == id) return &control;
  return nullptr;
}

}  // namespace quorvane
