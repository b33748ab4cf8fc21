#include "tray.h"

namespace quorvane_e2e {
namespace {

constexpr wchar_t kWineTrayIconClass[] = L"__winex11_tray_icon";

int CountIconsUnder(HWND parent) {
  int count = 0;
  HWND icon = nullptr;
  while ((icon = FindWindowExW(parent, icon, kWineTrayIconClass, nullptr)) != nullptr) {
    if (IsWindowVisible(icon)) ++count;
  }
  return count;
}

}  // namespace

void PostTrayCallback(HWND owner, UINT callbackMessage, UINT iconId, UINT mouseMessage) {
  PostMessageW(owner, callbackMessage, iconId, mouseMessage);
}

int CountTrayIcons() {
  // Icons docked into an X tray are top-level; Wine's own tray holds them as
  // children.
  int count = CountIconsUnder(nullptr);
  for (HWND window = GetTopWindow(nullptr); window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
    count += CountIconsUnder(window);
  }
  return count;
}

}  // namespace quorvane_e2e
