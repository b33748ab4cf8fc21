#include "process_windows.h"

#include <stdexcept>

#include "polling.h"
#include "text.h"

namespace quorvane_e2e {

HWND FindVisibleWindow(DWORD processId, const std::wstring& className) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, className.c_str(), nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

int CountVisibleWindows(DWORD processId, const std::wstring& className) {
  int count = 0;
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, className.c_str(), nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) ++count;
  }
  return count;
}

HWND WaitForVisibleWindow(DWORD processId, const std::wstring& className, const std::string& what) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindVisibleWindow(processId, className)) != nullptr; });
  if (found == nullptr) {
    throw std::runtime_error(what + " (a visible window of class \"" + Utf8(className) +
                             "\") did not appear within " + std::to_string(kPatience.count()) + " ms");
  }
  return found;
}

std::string DescribeVisibleWindows(DWORD processId) {
  std::string description;
  for (HWND window = GetTopWindow(nullptr); window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != processId || !IsWindowVisible(window)) continue;
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (!description.empty()) description += ", ";
    description += Utf8(className) + " \"" + Utf8(title) + "\"";
  }
  return description.empty() ? "no visible window" : "visible windows: " + description;
}

bool WaitUntilForeground(HWND window) {
  return WaitUntil([&] { return GetForegroundWindow() == window; });
}

bool WaitUntilForegroundSettles() {
  return WaitUntil([] {
    HWND foreground = GetForegroundWindow();
    return foreground != nullptr && IsWindowVisible(foreground);
  });
}

bool WaitUntilHidden(HWND window) {
  return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

}  // namespace quorvane_e2e
