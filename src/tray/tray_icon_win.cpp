#include "tray/tray_icon_win.h"

#include <windowsx.h>

#include "base/failure_report.h"
#include "base/message_boxes_win.h"
#include "base/text_win.h"

namespace quorvane {
namespace {

// A second NIN_KEYSELECT this soon after the menu of the first one closed,
// with nothing between, is the same key: some versions of Windows send two
// for one Enter, the second once the menu of the first is gone.
constexpr ULONGLONG kSameKeyMilliseconds = 300;

HMENU BuildPopup(const MenuDefinition& definition) {
  HMENU popup = CreatePopupMenu();
  for (const MenuItemDefinition& item : definition.items)
    AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.id), Widen(item.caption).c_str());
  return popup;
}

}  // namespace

TrayIcon::TrayIcon(HWND window, Owner& owner)
    : window_(window), owner_(owner), leftMenu_(BuildPopup(kLeftMenu)), rightMenu_(BuildPopup(kRightMenu)) {
  Add();
}

TrayIcon::~TrayIcon() {
  NOTIFYICONDATAW data = Identity();
  Shell_NotifyIconW(NIM_DELETE, &data);
}

NOTIFYICONDATAW TrayIcon::Identity() const {
  NOTIFYICONDATAW data{sizeof(data)};
  data.hWnd = window_;
  return data;
}

void TrayIcon::Add() {
  NOTIFYICONDATAW data = Identity();
  data.uFlags = NIF_MESSAGE | NIF_ICON;
  data.uCallbackMessage = kTrayCallbackMessage;
  // Loaded anew each time: Explorer also starts anew after a change of DPI.
  data.hIcon = owner_.TrayImage();
  if (!tip_.empty()) {
    // Version 4 shows the tip only when asked to.
    data.uFlags |= NIF_TIP | NIF_SHOWTIP;
    lstrcpynW(data.szTip, tip_.c_str(), static_cast<int>(std::size(data.szTip)));
  }
  Shell_NotifyIconW(NIM_ADD, &data);
  // Version 4 lets the keyboard reach the icon (NIN_KEYSELECT and
  // WM_CONTEXTMENU) and says where the icon is. The shell forgets the version
  // with the icon, so it is set after every add.
  data.uVersion = NOTIFYICON_VERSION_4;
  Shell_NotifyIconW(NIM_SETVERSION, &data);
}

void TrayIcon::SetTip(std::string_view tip) {
  tip_ = Widen(tip);
  NOTIFYICONDATAW data = Identity();
  data.uFlags = NIF_TIP | NIF_SHOWTIP;
  lstrcpynW(data.szTip, tip_.c_str(), static_cast<int>(std::size(data.szTip)));
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

void TrayIcon::ShowBalloon(std::string_view text) {
  NOTIFYICONDATAW data = Identity();
  data.uFlags = NIF_INFO;
  lstrcpynW(data.szInfo, Widen(text).c_str(), static_cast<int>(std::size(data.szInfo)));
  lstrcpynW(data.szInfoTitle, L"Quorvane", static_cast<int>(std::size(data.szInfoTitle)));
  data.dwInfoFlags = NIIF_INFO | NIIF_LARGE_ICON;
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

TrayIcon::Handled TrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  Handled handled;
  if (message == kTrayCallbackMessage) {
    handled.own = true;
    // Version 4: the event in the low word, and in wParam the pointer, or
    // for the keyboard the icon, in screen coordinates.
    const UINT event = LOWORD(lParam);
    handled.balloonClicked = event == NIN_BALLOONUSERCLICK;
    const POINT anchor{GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)};
    // A failure here is the icon's, not the window's.
    WindowMessageBoxes boxes(window_);
    RunReportingFailure("托盘图标", boxes, [&] { handled.chosen = OnIconEvent(event, anchor); });
  } else if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    // Harmless when the icon still exists: NIM_ADD then fails. The window
    // takes the broadcast too.
    WindowMessageBoxes boxes(window_);
    RunReportingFailure("托盘图标", boxes, [&] { Add(); });
  }
  return handled;
}

const MenuItemDefinition* TrayIcon::OnIconEvent(UINT event, POINT anchor) {
  // The shell follows a click's WM_LBUTTONUP with NIN_SELECT and a
  // WM_RBUTTONUP with WM_CONTEXTMENU; the button's message opens the menu,
  // as at version 0. Whatever comes while a menu is open belongs to the
  // click or key that opened it: the menu's loop passes it on to us.
  const bool sameAction =
      menuOpen_ || event == NIN_SELECT || (event == WM_CONTEXTMENU && previousEvent_ == WM_RBUTTONUP) ||
      (event == NIN_KEYSELECT && previousEvent_ == NIN_KEYSELECT && GetTickCount64() < keySelectRepeatUntil_);
  previousEvent_ = event;
  // The balloon's events are the shell's doing, or the balloon's click.
  if (sameAction || (event >= NIN_BALLOONSHOW && event <= NIN_BALLOONUSERCLICK)) return nullptr;
  // Every other event counts as the user turning to the icon, a mouse move too.
  owner_.BringForwardFromTray();
  POINT cursor{};
  switch (event) {
    case WM_LBUTTONUP:
      GetCursorPos(&cursor);
      return PopUp(kLeftMenu, leftMenu_.Get(), cursor, event);
    case WM_RBUTTONUP:
      GetCursorPos(&cursor);
      return PopUp(kRightMenu, rightMenu_.Get(), cursor, event);
    case NIN_KEYSELECT:  // Enter or Space
      return PopUp(kLeftMenu, leftMenu_.Get(), anchor, event);
    case WM_CONTEXTMENU:  // the menu key or Shift+F10
      return PopUp(kRightMenu, rightMenu_.Get(), anchor, event);
  }
  return nullptr;
}

const MenuItemDefinition* TrayIcon::PopUp(const MenuDefinition& definition, HMENU menu, POINT at,
                                          UINT event) {
  menuOpen_ = true;
  const int chosen = static_cast<int>(TrackPopupMenu(
      menu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, window_, nullptr));
  menuOpen_ = false;
  // Lets the menu close properly the next time the user clicks elsewhere.
  // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-trackpopupmenu#remarks
  PostMessageW(window_, WM_NULL, 0, 0);
  if (event == NIN_KEYSELECT) keySelectRepeatUntil_ = GetTickCount64() + kSameKeyMilliseconds;
  if (chosen == 0 && (event == NIN_KEYSELECT || event == WM_CONTEXTMENU)) {
    // Esc: the keyboard goes back to the notification area.
    // https://learn.microsoft.com/windows/win32/api/shellapi/nf-shellapi-shell_notifyiconw
    NOTIFYICONDATAW data = Identity();
    Shell_NotifyIconW(NIM_SETFOCUS, &data);
  }
  for (const MenuItemDefinition& item : definition.items)
    if (item.id == chosen) return &item;
  return nullptr;
}

}  // namespace quorvane
