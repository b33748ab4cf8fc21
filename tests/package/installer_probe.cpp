// What the installer test cannot see from the shell, run under the same
// Wine prefix:
//   running    Quorvane's main window and its tray icon are there
//   ended      the main window is gone, and so is every tray icon
//   tip        prints the tip on show in the tip window (UTF-8)
//   press ID   clicks the button ID of a dialog, such as a message box
//   choose TEXT  clicks the control of a dialog whose text starts with TEXT
//   question   the texts on the dialog that holds "用药日记", a line each ("[x] "
//              before a ticked one), then its place: "WIDTHxHEIGHT+LEFT+TOP"
// Each waits up to 20 s for its condition and exits 1 if it never holds.
#include <windows.h>

#include <cwchar>
#include <functional>
#include <string>
#include <vector>

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

void Print(const std::wstring& text) {
  std::string utf8(4 * text.size() + 1, '\0');
  utf8.resize(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), static_cast<int>(utf8.size()),
                                  nullptr, nullptr) -
              1);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

std::wstring WindowText(HWND window) {
  wchar_t text[1024] = L"";
  GetWindowTextW(window, text, 1024);
  return text;
}

BOOL CALLBACK AddIfVisible(HWND child, LPARAM list) {
  if (IsWindowVisible(child)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

// The visible controls of a window, in the order they were made.
std::vector<HWND> Controls(HWND window) {
  std::vector<HWND> controls;
  EnumChildWindows(window, AddIfVisible, reinterpret_cast<LPARAM>(&controls));
  return controls;
}

// A visible dialog with a control whose text `fits`, and that control.
std::pair<HWND, HWND> FindControl(const std::function<bool(const std::wstring&)>& fits) {
  for (HWND box = nullptr; (box = FindWindowExW(nullptr, box, L"#32770", nullptr));)
    for (HWND control : IsWindowVisible(box) ? Controls(box) : std::vector<HWND>{})
      if (fits(WindowText(control))) return {box, control};
  return {};
}

bool Choose(const std::wstring& start) {
  return WaitFor([&] {
    const HWND control =
        FindControl([&](const std::wstring& text) { return text.starts_with(start); }).second;
    return control && PostMessageW(control, BM_CLICK, 0, 0);
  });
}

bool PrintQuestion() {
  HWND page = nullptr;
  const auto asks = [](const std::wstring& text) { return text.find(L"用药日记") != std::wstring::npos; };
  if (!WaitFor([&] { return (page = FindControl(asks).first) != nullptr; })) return false;
  std::wstring lines;
  for (HWND control : Controls(page))
    if (!WindowText(control).empty())
      lines += (SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? L"[x] " : L"") +
               WindowText(control) + L"\n";
  RECT r{};
  GetWindowRect(page, &r);
  Print(lines + std::to_wstring(r.right - r.left) + L"x" + std::to_wstring(r.bottom - r.top) + L"+" +
        std::to_wstring(r.left) + L"+" + std::to_wstring(r.top) + L"\n");
  return true;
}

bool PrintTip() {
  HWND window = nullptr;
  if (!WaitFor([&] { return IsWindowVisible(window = FindWindowW(L"QuorvaneTipWindow", nullptr)); }))
    return false;
  wchar_t text[4096] = L"";
  GetDlgItemTextW(GetDlgItem(window, quorvane::tip_window::kPanel), quorvane::tip_window::kTipText, text,
                  4096);
  Print(text);
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  bool ok = false;
  if (command == L"running") ok = WaitFor([] { return MainWindow() && TrayIcons() > 0; });
  if (command == L"ended") ok = WaitFor([] { return !MainWindow(); }) && TrayIcons() == 0;
  if (command == L"tip") ok = PrintTip();
  if (command == L"press" && argc > 2) ok = Press(_wtoi(argv[2]));
  if (command == L"choose" && argc > 2) ok = Choose(argv[2]);
  if (command == L"question") ok = PrintQuestion();
  return ok ? 0 : 1;
}
