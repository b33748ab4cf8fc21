// quorvane_menuhook.dll: hooked into the program's thread by the driver, it
// keeps the driver's file mapping up to date, since another process cannot
// read a menu. Wide characters: [0] the item count and [1] the selected item
// + 1 (0 for none) of the menu last asked for, [2] menu windows destroyed,
// [3] keys a menu took, [4] the selected item + 1 when a menu took Enter,
// [5] menu windows made, then from [6] the captions, each ended by a NUL. From
// [kTrayLog] the NIM_ requests the program sent the shell: the count, then one each.
// It also stands in for a system with high contrast on, which Wine cannot
// report: on kReportHighContrast the program's own calls of
// SystemParametersInfoW come here first.
#include <windows.h>

#include <string>

namespace {

constexpr UINT kReportHighContrast = WM_APP + 0x3769;

BOOL WINAPI SystemParametersInfoInHighContrast(UINT action, UINT param, PVOID data, UINT flags) {
  if (action != SPI_GETHIGHCONTRAST || !data) return SystemParametersInfoW(action, param, data, flags);
  static_cast<HIGHCONTRASTW*>(data)->dwFlags = HCF_HIGHCONTRASTON | HCF_AVAILABLE;
  return TRUE;
}

// Points the program's import of SystemParametersInfoW at the function above.
void ReportHighContrast() {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* nt =
      reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const auto real =
      reinterpret_cast<ULONG_PTR>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoW"));
  auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(
      base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
  for (; module->Name; ++module)
    for (auto* entry = reinterpret_cast<ULONG_PTR*>(base + module->FirstThunk); *entry; ++entry)
      if (DWORD was; *entry == real && VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &was)) {
        *entry = reinterpret_cast<ULONG_PTR>(&SystemParametersInfoInHighContrast);
        VirtualProtect(entry, sizeof *entry, was, &was);
      }
}

constexpr int kTrayLog = 16384;
WNDPROC shellTrayProc = nullptr;  // the shell's tray window's own

volatile wchar_t* ViewOf(DWORD process) {
  static DWORD mapped = 0;
  static void* view = nullptr;
  if (process != mapped) {
    const std::wstring name = L"QuorvaneE2E.Menu." + std::to_wstring(process);
    HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name.c_str());
    if (view) UnmapViewOfFile(view);
    view = mapping ? MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 65536) : nullptr;
    if (mapping) CloseHandle(mapping);
    mapped = view ? process : 0;  // the driver may make the mapping later
  }
  return static_cast<wchar_t*>(view);
}
volatile wchar_t* View() { return ViewOf(GetCurrentProcessId()); }

void NoteTray(volatile wchar_t* view, WPARAM request) {
  view[kTrayLog + 1 + view[kTrayLog]] = static_cast<wchar_t>(request);
  view[kTrayLog] = view[kTrayLog] + 1;  // last: the driver reads entries up to the count
}

// MN_GETHMENU answers only inside the process that owns the menu.
HMENU MenuOf(HWND window) { return reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0)); }

wchar_t SelectedPlusOne(HMENU menu) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
    if (GetMenuState(menu, i, MF_BYPOSITION) & MF_HILITE) return static_cast<wchar_t>(i + 1);
  return 0;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MenuHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == kReportHighContrast) ReportHighContrast();
  wchar_t className[8] = {};
  if (code == HC_ACTION && View() && GetClassNameW(call->hwnd, className, 8) &&
      !wcscmp(className, L"#32768")) {
    volatile wchar_t* view = View();
    if (call->message == WM_CREATE) view[5] = view[5] + 1;
    if (call->message == WM_DESTROY) view[2] = view[2] + 1;
    if (call->message == WM_APP + 0x3768) {
      const HMENU menu = MenuOf(call->hwnd);
      const int count = GetMenuItemCount(menu);
      for (int i = 0, at = 6; i < count; ++i)
        at += GetMenuStringW(menu, i, const_cast<wchar_t*>(view) + at, 256, MF_BYPOSITION) + 1;
      view[1] = SelectedPlusOne(menu);
      if (count >= 0) view[0] = static_cast<wchar_t>(count);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Sees each message a menu's modal loop takes.
extern "C" __declspec(dllexport) LRESULT CALLBACK KeyHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (code == MSGF_MENU && View() && message->message == WM_KEYDOWN) {
    volatile wchar_t* view = View();
    if (message->wParam == VK_RETURN) view[4] = SelectedPlusOne(MenuOf(message->hwnd));
    view[3] = view[3] + 1;  // last: the driver reads [4] once it sees this change
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Sees each request of Shell_NotifyIconW. Under Wine a hook is shown the
// sender's pointer in place of its COPYDATASTRUCT, so the spy is a subclass.
LRESULT CALLBACK ShellTraySpy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD program = 0;
  if (message == WM_COPYDATA && GetWindowThreadProcessId(reinterpret_cast<HWND>(wParam), &program))
    if (volatile wchar_t* view = ViewOf(program))
      NoteTray(view, reinterpret_cast<const COPYDATASTRUCT*>(lParam)->dwData);
  return CallWindowProcW(shellTrayProc, window, message, wParam, lParam);
}

// Hooked into the shell's tray thread, puts the spy in front of the window
// that Shell_NotifyIconW sends its requests to. The library then stays: the
// window keeps the spy after the hook is gone.
extern "C" __declspec(dllexport) LRESULT CALLBACK ShellHook(int code, WPARAM wParam, LPARAM lParam) {
  const HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
  HMODULE self = nullptr;
  if (code == HC_ACTION && !shellTrayProc && tray &&
      GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                         reinterpret_cast<LPCWSTR>(&ShellTraySpy), &self))
    shellTrayProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(tray, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ShellTraySpy)));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
