#include "ui/window_definition.h"

#include <algorithm>
#include <cstdint>

namespace quorvane {
namespace {

bool IsRadio(const ControlDefinition* control) { return control->kind == ControlKind::RadioButton; }

// Appends the controls of one container, each frame's controls right after
// the frame, and returns the picture boxes among them.
std::vector<const ControlDefinition*> AppendLevel(const WindowDefinition& window, int containerId, int hostId,
                                                  int left, int top, std::vector<PlacedControl>& out) {
  std::vector<const ControlDefinition*> level, pictureBoxes;
  for (const auto& control : window.controls)
    if (control.containerId == containerId) level.push_back(&control);
  // On equal tab indices, what takes no focus (a label) comes first.
  std::stable_sort(level.begin(), level.end(), [](auto* a, auto* b) {
    return a->tabIndex != b->tabIndex ? a->tabIndex < b->tabIndex : !TakesFocus(*a) && TakesFocus(*b);
  });
  for (const auto* control : level) {
    out.push_back({control, hostId, left + control->left, top + control->top, true, TakesFocus(*control)});
    if (control->kind == ControlKind::PictureBox) pictureBoxes.push_back(control);
    if (control->kind == ControlKind::Frame) {
      auto inner = AppendLevel(window, control->id, hostId, left + control->left, top + control->top, out);
      pictureBoxes.insert(pictureBoxes.end(), inner.begin(), inner.end());
    }
  }
  return pictureBoxes;
}

void AppendHosted(const WindowDefinition& window, int hostId, std::vector<PlacedControl>& out) {
  for (const auto* box : AppendLevel(window, hostId, hostId, 0, 0, out)) AppendHosted(window, box->id, out);
}

// Radio buttons that follow one another in one container form a group with
// one tab stop: the chosen one, or else the first.
void MarkRadioGroups(std::vector<PlacedControl>& order) {
  for (size_t start = 0; start < order.size();) {
    size_t end = start + 1;
    if (IsRadio(order[start].definition))
      while (end < order.size() && IsRadio(order[end].definition) &&
             order[end].definition->containerId == order[start].definition->containerId)
        order[end++].startsGroup = false;
    size_t stop = start;
    for (size_t i = start; i < end; ++i) {
      if (order[i].definition->initialValue == 1) stop = i;
      if (IsRadio(order[i].definition)) order[i].tabStop = false;
    }
    if (IsRadio(order[start].definition)) order[stop].tabStop = true;
    start = end;
  }
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

std::vector<PlacedControl> CreationOrder(const WindowDefinition& window) {
  std::vector<PlacedControl> order;
  AppendHosted(window, 0, order);
  MarkRadioGroups(order);
  return order;
}

int HostOf(const WindowDefinition& window, const ControlDefinition& control) {
  const ControlDefinition* container =
      control.containerId ? FindControl(window, control.containerId) : nullptr;
  if (!container) return 0;
  return container->kind == ControlKind::Frame ? HostOf(window, *container) : container->id;
}

std::vector<int> RadioGroup(const WindowDefinition& window, int id) {
  std::vector<int> group;
  bool found = false;
  for (const PlacedControl& placed : CreationOrder(window)) {
    if (placed.startsGroup) {
      if (found) break;
      group.clear();
    }
    if (IsRadio(placed.definition)) group.push_back(placed.definition->id);
    found = found || (placed.definition->id == id && IsRadio(placed.definition));
  }
  return found ? group : std::vector<int>{};
}

const ControlDefinition* FindControl(const WindowDefinition& window, int id) {
  for (const auto& control : window.controls)
    if (control.id == id) return &control;
  return nullptr;
}

}  // namespace quorvane
