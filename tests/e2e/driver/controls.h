// Reading and driving the controls of another process's window. Everything
// that must answer goes through SendMessageTimeout, so a hung program fails
// the test instead of blocking it.
#pragma once

#include <windows.h>

#include <string>

namespace quorvane_e2e {

// Text of a window or control (WM_GETTEXT, which Win32 carries across
// processes; GetWindowText alone would not ask the other process).
std::string WindowText(HWND window);
std::string ControlText(HWND parent, int controlId);

// BM_GETCHECK of a check box: 0 clear, 1 checked, 2 grey.
int CheckState(HWND parent, int controlId);

void SetControlText(HWND parent, int controlId, const std::string& text);

// Posts a click (BM_CLICK) and returns at once: a button may open a modal box,
// which would hold a sent message until the box closes.
void PostClick(HWND parent, int controlId);

}  // namespace quorvane_e2e
