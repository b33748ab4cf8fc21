// What the installer test cannot see from the shell, run under the same
// Wine prefix:
//   running    Quorvane's main window and its tray icon are there
//   ended      the main window is gone, and so is every tray icon
//   tip        prints the tip on show in the tip window (UTF-8)
//   press ID   clicks the button ID of a dialog, such as a message box
// Each waits up to 20 s for its condition and exits 1 if it never holds.
#include <windows.h>

#include <cwchar>
#include <functional>
#include <string>

#include "tips/tip_window_definition.h"

namespace {

int TrayIcons() {
  // Wine's own tray holds one child window of this class per icon.
  int count = 0;
  for (HWND top = GetTopWindow(nullptr); top; top = GetWindow(top, GW_HWNDNEXT))
    for (HWND icon = nullptr; (icon = FindWindowExW(top, icon, L"__winex11_tray_icon", nullptr));)
      count += IsWindowVisible(icon) ? 1 : 0;
  return count;
}

bool WaitFor(const std::function<bool()>& condition) {
  for (const ULONGLONG end = GetTickCount64() + 20'000; GetTickCount64() < end; Sleep(50))
    if (condition()) return true;
  return false;
}

HWND MainWindow() { return FindWindowW(L"QuorvaneMainWindow", nullptr); }

bool Press(int id) {
  return WaitFor([id] {
    for (HWND box = nullptr; (box = FindWindowExW(nullptr, box, L"#32770", nullptr));) {
      HWND button = GetDlgItem(box, id);
      if (IsWindowVisible(box) && button && IsWindowEnabled(button))
        return PostMessageW(button, BM_CLICK, 0, 0) != FALSE;
    }
    return false;
  });
}

bool PrintTip() {
  HWND window = nullptr;
  if (!WaitFor([&] { return IsWindowVisible(window = FindWindowW(L"QuorvaneTipWindow", nullptr)); }))
    return false;
  wchar_t text[4096] = L"";
  GetDlgItemTextW(GetDlgItem(window, quorvane::tip_window::kPanel), quorvane::tip_window::kTipText, text,
                  4096);
  std::string utf8(4 * std::wcslen(text) + 1, '\0');
  utf8.resize(WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), static_cast<int>(utf8.size()), nullptr,
                                  nullptr) -
              1);
  DWORD written = 0;
  return WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()), &written,
                   nullptr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  bool ok = false;
  if (command == L"running") ok = WaitFor([] { return MainWindow() && TrayIcons() > 0; });
  if (command == L"ended") ok = WaitFor([] { return !MainWindow(); }) && TrayIcons() == 0;
  if (command == L"tip") ok = PrintTip();
  if (command == L"press" && argc > 2) ok = Press(_wtoi(argv[2]));
  return ok ? 0 : 1;
}
