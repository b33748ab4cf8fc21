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

HWND WaitForVisibleWindow(DWORD processId, const std::wstring& className, const std::string& what) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindVisibleWindow(processId, className)) != nullptr; });
  if (found == nullptr) {
    throw std::runtime_error(what + " (a visible window of class \"" + Utf8(className) +
                             "\") did not appear within " + std::to_string(kPatience.count()) + " ms");
  }
  return found;
}

bool WaitUntilHidden(HWND window) {
  return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

}  // namespace quorvane_e2e
