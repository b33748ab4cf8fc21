// Keys posted to another process's window, the way its message loop reads
// them from the keyboard.
#pragma once

#include <windows.h>

namespace quorvane_e2e {

// A key pressed and released: WM_KEYDOWN, then WM_KEYUP.
void PostKey(HWND window, UINT virtualKey);

// Alt with a letter, as it reaches a window's message loop after translation
// (WM_SYSCHAR with the Alt bit set): what picks a control by its access key.
void PostAltLetter(HWND window, wchar_t letter);

}  // namespace quorvane_e2e
