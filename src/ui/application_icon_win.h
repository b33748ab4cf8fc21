#pragma once
// The program's own icon, resource 1, drawn at the size asked for.
#include <windows.h>

namespace quorvane {

// Owned by the caller: a shared icon keeps the size it was first loaded at.
inline HICON LoadApplicationIcon(int size) {
  constexpr int kApplicationIconId = 1;
  return static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kApplicationIconId), IMAGE_ICON, size, size, 0));
}

}  // namespace quorvane
