// Finding the top-level windows that belong to one process.
#pragma once

#include <windows.h>

#include <string>

namespace quorvane_e2e {

// The first visible top-level window of the process with this class name;
// nullptr when there is none now.
HWND FindVisibleWindow(DWORD processId, const std::wstring& className);

// How many visible top-level windows of this class the process has now.
int CountVisibleWindows(DWORD processId, const std::wstring& className);

// Like FindVisibleWindow, but waits for the window within the patience limit
// and throws, naming `what`, when none appears.
HWND WaitForVisibleWindow(DWORD processId, const std::wstring& className, const std::string& what);

// Class and title of each visible top-level window of the process, for
// failure messages: what the program shows instead of what was expected.
std::string DescribeVisibleWindows(DWORD processId);

// Waits until the window is the foreground window; false after the limit.
bool WaitUntilForeground(HWND window);

// Waits until some visible window is the foreground window. After the active
// window is hidden, Wine moves the activation away from it in a few steps of
// its own, through no foreground window to the next one; a pop-up menu opened
// meanwhile is cancelled by the move. (A user cannot click that fast.)
bool WaitUntilForegroundSettles();

// Waits until the window is hidden or destroyed; false after the limit.
bool WaitUntilHidden(HWND window);

}  // namespace quorvane_e2e
