// The notification area as the program sees it under Wine.
#pragma once

#include <windows.h>

namespace quorvane_e2e {

// Sends the icon's callback message exactly as the shell does: posted to the
// icon's owner window, wParam the icon id, lParam the mouse message.
void PostTrayCallback(HWND owner, UINT callbackMessage, UINT iconId, UINT mouseMessage);

// Icons in Wine's tray. Wine shows each icon as a window of its own class,
// inside its "Wine System Tray" window when no X tray is running.
int CountTrayIcons();

}  // namespace quorvane_e2e
