#pragma once
// The program's own icon, resource 1, drawn at the sizes a window shows.
#include <windows.h>

#include "base/unique_handle_win.h"
#include "ui/dpi_win.h"

namespace quorvane {

// Owned by the caller: a shared icon keeps the size it was first loaded at.
inline HICON LoadApplicationIcon(int size) {
  constexpr int kApplicationIconId = 1;
  return static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kApplicationIconId), IMAGE_ICON, size, size, 0));
}

// A window's two icons: Alt+Tab's and its title bar's.
struct ApplicationIcons {
  UniqueIcon forAltTab;
  UniqueIcon forTitleBar;
};

inline ApplicationIcons LoadApplicationIcons(UINT dpi) {
  return {UniqueIcon(LoadApplicationIcon(SystemMetricForDpi(SM_CXICON, dpi))),
          UniqueIcon(LoadApplicationIcon(SystemMetricForDpi(SM_CXSMICON, dpi)))};
}

}  // namespace quorvane
