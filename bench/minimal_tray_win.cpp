// The yardstick for Quorvane's start-up and idle costs: the least a tray
// program does. Given a text, it first shows it in a message box, as Quorvane
// does on a dose day.
#include <windows.h>

#include <shellapi.h>

namespace {

constexpr UINT kTrayCallback = WM_APP + 1;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  if (commandLine[0] != L'\0') MessageBoxW(nullptr, commandLine, L"Quorvane", MB_OK | MB_SETFOREGROUND);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"MinimalTrayWindow";
  RegisterClassW(&windowClass);
  HWND window =
      CreateWindowW(L"MinimalTrayWindow", L"Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);

  NOTIFYICONDATAW icon{sizeof(icon)};
  icon.hWnd = window;
  icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  icon.uCallbackMessage = kTrayCallback;
  icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  lstrcpynW(icon.szTip, L"Minimal", ARRAYSIZE(icon.szTip));
  Shell_NotifyIconW(NIM_ADD, &icon);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
