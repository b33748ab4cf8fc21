// What the installer test cannot see from the shell, run under the same
// Wine prefix:
//   running    Quorvane's main window and its tray icon are there
//   ended      the main window is gone, and so is every tray icon
//   tip        prints the tip on show in the tip window (UTF-8)
//   press ID   clicks the button ID of a dialog, such as a message box
//   choose TEXT  clicks the control of a dialog whose text starts with TEXT
//   question   the page of a dialog that holds "用药日记": the text of each
//              of its controls, a line each ("[x] " before a ticked one),
//              then where it is on the screen: "WIDTHxHEIGHT+LEFT+TOP"
//   version FILE      FILE's CompanyName and LegalCopyright, a line each
//   icon FILE ICO     FILE holds each image of the icon file ICO
// Each waits up to 20 s for its condition and exits 1 if it never holds.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "ui/control_ids.h"

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
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                      nullptr);
  return text;
}

// The visible controls of the visible dialogs, in the order they were made.
std::vector<std::pair<HWND, HWND>> DialogControls() {  // dialog, control
  std::vector<std::pair<HWND, HWND>> controls;
  for (HWND box = nullptr; (box = FindWindowExW(nullptr, box, L"#32770", nullptr));) {
    if (!IsWindowVisible(box)) continue;
    std::vector<HWND> children;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM list) {
          return reinterpret_cast<std::vector<HWND>*>(list)->push_back(child), TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    for (HWND child : children)
      if (IsWindowVisible(child)) controls.emplace_back(box, child);
  }
  return controls;
}

bool Choose(const std::wstring& start) {
  return WaitFor([&] {
    for (const auto& [box, control] : DialogControls())
      if (WindowText(control).starts_with(start)) return PostMessageW(control, BM_CLICK, 0, 0) != FALSE;
    return false;
  });
}

bool PrintQuestion() {
  HWND page = nullptr;
  if (!WaitFor([&] {
        for (const auto& [box, control] : DialogControls())
          if (WindowText(control).find(L"用药日记") != std::wstring::npos) page = box;
        return page != nullptr;
      }))
    return false;
  std::wstring lines;
  for (const auto& [box, control] : DialogControls()) {
    if (box != page || WindowText(control).empty()) continue;
    wchar_t kind[32] = L"";
    GetClassNameW(control, kind, 32);
    const bool ticked =
        std::wstring(kind) == L"Button" && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    lines += (ticked ? L"[x] " : L"") + WindowText(control) + L"\n";
  }
  RECT r{};
  GetWindowRect(page, &r);
  Print(lines + std::to_wstring(r.right - r.left) + L"x" + std::to_wstring(r.bottom - r.top) + L"+" +
        std::to_wstring(r.left) + L"+" + std::to_wstring(r.top) + L"\n");
  return true;
}

bool PrintVersion(const wchar_t* file) {
  std::vector<char> data(GetFileVersionInfoSizeW(file, nullptr));
  WORD* language = nullptr;
  UINT size = 0;
  if (data.empty() || !GetFileVersionInfoW(file, 0, static_cast<DWORD>(data.size()), data.data()) ||
      !VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&language), &size))
    return false;
  wchar_t block[64];
  swprintf(block, 64, L"\\StringFileInfo\\%04x%04x\\", language[0], language[1]);
  std::wstring lines;
  for (const wchar_t* key : {L"CompanyName", L"LegalCopyright"}) {
    wchar_t* value = nullptr;
    if (!VerQueryValueW(data.data(), (block + std::wstring(key)).c_str(), reinterpret_cast<void**>(&value),
                        &size))
      return false;
    lines += std::wstring(value) + L"\n";
  }
  Print(lines);
  return true;
}

// Each image of the icon file is one of the program's icon resources, byte
// for byte.
bool HasIcon(const wchar_t* file, const wchar_t* iconFile) {
  std::ifstream in(iconFile, std::ios::binary);
  const std::string ico((std::istreambuf_iterator<char>(in)), {});
  const HMODULE module =
      LoadLibraryExW(file, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (ico.size() < 6 || !module) return false;
  std::vector<std::string> images;
  EnumResourceNamesW(
      module, RT_ICON,
      [](HMODULE m, LPCWSTR type, LPWSTR name, LONG_PTR list) {
        HRSRC found = FindResourceW(m, name, type);
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(m, found)));
        reinterpret_cast<std::vector<std::string>*>(list)->emplace_back(bytes, SizeofResource(m, found));
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&images));
  const int count = static_cast<unsigned char>(ico[4]);
  for (int i = 0; i < count; ++i) {
    DWORD size = 0, offset = 0;
    std::memcpy(&size, ico.data() + 6 + 16 * i + 8, 4);
    std::memcpy(&offset, ico.data() + 6 + 16 * i + 12, 4);
    if (std::find(images.begin(), images.end(), ico.substr(offset, size)) == images.end()) return false;
  }
  return count > 0;
}

bool PrintTip() {
  HWND window = nullptr;
  if (!WaitFor([&] { return IsWindowVisible(window = FindWindowW(L"QuorvaneTipWindow", nullptr)); }))
    return false;
  wchar_t text[4096] = L"";
  GetDlgItemTextW(GetDlgItem(window, quorvane::ids::kTipPicture), quorvane::ids::kTipText, text, 4096);
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
  if (command == L"version" && argc > 2) ok = PrintVersion(argv[2]);
  if (command == L"icon" && argc > 3) ok = HasIcon(argv[2], argv[3]);
  return ok ? 0 : 1;
}
