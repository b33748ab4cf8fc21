#include "tray/tray_icon_win.h"

#include <shellapi.h>

#include "base/failure_report.h"
#include "base/message_boxes_win.h"
#include "base/text_win.h"

namespace quorvane {
namespace {

TrayOwner* g_trayWindow = nullptr;
WNDPROC g_prevWndProc = nullptr;
TrayState g_trayState;
NOTIFYICONDATAW g_trayData{};
// Explorer broadcasts this when it (re)starts; the icon must then be added again.
UINT g_taskbarCreated = 0;

void PopUp(std::string_view menuName) {
  HMENU menu = g_trayWindow->MenuByName(menuName);
  HWND window = g_trayWindow->Handle();
  POINT cursor{};
  GetCursorPos(&cursor);
  // The command runs before the pop-up call returns, as a click handler.
  const int chosen = static_cast<int>(TrackPopupMenu(
      menu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, cursor.x, cursor.y, 0,
      window, nullptr));
  // Lets the menu close properly the next time the user clicks elsewhere.
  // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-trackpopupmenu#remarks
  PostMessageW(window, WM_NULL, 0, 0);
  if (chosen == 0) return;
  // A failing command is named by its caption.
  wchar_t caption[64] = L"";
  GetMenuStringW(menu, static_cast<UINT>(chosen), caption, static_cast<int>(std::size(caption)),
                 MF_BYCOMMAND);
  WindowMessageBoxes boxes(window);
  RunReportingFailure("“" + Narrow(caption) + "”", boxes, [&] { g_trayWindow->RunMenuCommand(chosen); });
}

LRESULT HandleTrayMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == g_taskbarCreated && g_taskbarCreated != 0) {
    // Harmless when the icon still exists: NIM_ADD then fails and is ignored.
    // Explorer also starts anew after a change of DPI, so the icon is loaded
    // again at the DPI of now.
    g_trayData.hIcon = g_trayWindow->TrayIcon();
    NOTIFYICONDATAW again = g_trayData;
    again.uFlags = NIF_MESSAGE | NIF_ICON | (again.szTip[0] ? NIF_TIP : 0);
    Shell_NotifyIconW(NIM_ADD, &again);
  }
  if (uMsg != kTrayCallbackMessage) return CallWindowProcW(g_prevWndProc, hWnd, uMsg, wParam, lParam);

  g_trayState.OnIconEvent([] { SetForegroundWindow(g_trayWindow->Handle()); });
  switch (LOWORD(lParam)) {
    case WM_LBUTTONUP:
      PopUp("mnuLeft");
      break;
    case WM_RBUTTONUP:
      PopUp("mnuRight");
      break;
  }
  return 0;
}

LRESULT CALLBACK TrayWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  // No exception may pass back into the system's code.
  LRESULT result = 0;
  WindowMessageBoxes boxes(hWnd);
  RunReportingFailure("托盘图标", boxes, [&] { result = HandleTrayMessage(hWnd, uMsg, wParam, lParam); });
  return result;
}

}  // namespace

void AddTrayIcon(TrayOwner& window) {
  g_trayWindow = &window;
  g_taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
  g_prevWndProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      window.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TrayWindowProc)));
  g_trayData = {};
  g_trayData.cbSize = sizeof(g_trayData);
  g_trayData.hWnd = window.Handle();
  g_trayData.uID = 0;
  g_trayData.uFlags = NIF_MESSAGE | NIF_ICON;
  g_trayData.uCallbackMessage = kTrayCallbackMessage;
  g_trayData.hIcon = window.TrayIcon();
  Shell_NotifyIconW(NIM_ADD, &g_trayData);
}

void SetTrayTip(std::string_view tip) {
  const std::wstring text = Widen(tip);
  lstrcpynW(g_trayData.szTip, text.c_str(), static_cast<int>(std::size(g_trayData.szTip)));
  g_trayData.uFlags = NIF_TIP;
  Shell_NotifyIconW(NIM_MODIFY, &g_trayData);
}

void RemoveTrayIcon() {
  g_trayData.uFlags = 0;
  Shell_NotifyIconW(NIM_DELETE, &g_trayData);
  if (g_trayWindow && g_prevWndProc)
    SetWindowLongPtrW(g_trayWindow->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_prevWndProc));
  g_prevWndProc = nullptr;
}

TrayState& MainWindowTrayState() { return g_trayState; }

}  // namespace quorvane
