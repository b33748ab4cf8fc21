// Finding the top-level windows that belong to one process.
#pragma once

#include <windows.h>

#include <string>

namespace quorvane_e2e {

// The first visible top-level window of the process with this class name;
// nullptr when there is none now.
HWND FindVisibleWindow(DWORD processId, const std::wstring& className);

// Like FindVisibleWindow, but waits for the window within the patience limit
// and throws, naming `what`, when none appears.
HWND WaitForVisibleWindow(DWORD processId, const std::wstring& className, const std::string& what);

// Waits until the window is hidden or destroyed; false after the limit.
bool WaitUntilHidden(HWND window);

}  // namespace quorvane_e2e
