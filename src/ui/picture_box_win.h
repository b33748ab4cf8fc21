#pragma once
#include <windows.h>

namespace quorvane {

// A child window that holds other controls: the tip window's white panel with
// the light bulb, and the options dialog's pages.
inline constexpr wchar_t kPictureBoxClass[] = L"QuorvanePictureBox";
void RegisterPictureBoxClass();

// Extra window bytes of a picture box: whether it is white (in high contrast:
// the system's window colours), its icon and the icon's size in pixels.
inline constexpr int kPictureBoxWhiteSlot = 0;
inline constexpr int kPictureBoxIconSlot = sizeof(LONG_PTR);
inline constexpr int kPictureBoxIconSizeSlot = 2 * sizeof(LONG_PTR);

}  // namespace quorvane
