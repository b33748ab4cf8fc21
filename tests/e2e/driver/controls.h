// Reading and driving the controls of another process's window. Everything
// that must answer goes through SendMessageTimeout, so a hung program fails
// the test instead of blocking it.
#pragma once

#include <windows.h>

#include <string>

namespace quorvane_e2e {

// Sends a message and waits for the window's answer; throws when the window
// does not answer within the patience limit.
LRESULT SendAndWait(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The control with this id anywhere below `parent`, also inside a container
// such as a picture box; throws when there is none.
HWND ControlWindow(HWND parent, int controlId);

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

// The control that has the keyboard focus in the window's thread, or nullptr.
HWND FocusedControl(HWND window);

}  // namespace quorvane_e2e
