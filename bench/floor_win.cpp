// The floor for Quorvane's start-up and idle costs: the least a tray program
// does. No manifest, built with the same toolchain and linked the same way.
// Given a text, it first shows it in a message box, as Quorvane does on a
// dose day, and adds its icon once the box is closed.
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
  windowClass.lpszClassName = L"FloorTrayWindow";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowW(L"FloorTrayWindow", L"Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);

  NOTIFYICONDATAW icon{sizeof(icon)};
  icon.hWnd = window;
  icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  icon.uCallbackMessage = kTrayCallback;
  icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  lstrcpynW(icon.szTip, L"Floor", ARRAYSIZE(icon.szTip));
  Shell_NotifyIconW(NIM_ADD, &icon);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
