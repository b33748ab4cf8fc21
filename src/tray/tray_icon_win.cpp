#include "tray/tray_icon_win.h"

#include <shellapi.h>

#include "base/failure_report.h"
#include "base/message_boxes_win.h"
#include "base/text_win.h"

namespace quorvane {
namespace {

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
  NOTIFYICONDATAW data{sizeof(data)};
  data.hWnd = window_;
  Shell_NotifyIconW(NIM_DELETE, &data);
}

void TrayIcon::Add() {
  NOTIFYICONDATAW data{sizeof(data)};
  data.hWnd = window_;
  data.uFlags = NIF_MESSAGE | NIF_ICON;
  data.uCallbackMessage = kTrayCallbackMessage;
  // Loaded anew each time: Explorer also starts anew after a change of DPI.
  data.hIcon = owner_.TrayImage();
  if (!tip_.empty()) {
    data.uFlags |= NIF_TIP;
    lstrcpynW(data.szTip, tip_.c_str(), static_cast<int>(std::size(data.szTip)));
  }
  Shell_NotifyIconW(NIM_ADD, &data);
}

void TrayIcon::SetTip(std::string_view tip) {
  tip_ = Widen(tip);
  NOTIFYICONDATAW data{sizeof(data)};
  data.hWnd = window_;
  data.uFlags = NIF_TIP;
  lstrcpynW(data.szTip, tip_.c_str(), static_cast<int>(std::size(data.szTip)));
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

TrayIcon::Handled TrayIcon::HandleMessage(UINT message, WPARAM, LPARAM lParam) {
  Handled handled;
  if (message == kTrayCallbackMessage) {
    handled.own = true;
    // A failure here is the icon's, not the window's.
    WindowMessageBoxes boxes(window_);
    RunReportingFailure("托盘图标", boxes, [&] { handled.chosen = OnIconEvent(LOWORD(lParam)); });
  } else if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    // Harmless when the icon still exists: NIM_ADD then fails. The window
    // takes the broadcast too.
    WindowMessageBoxes boxes(window_);
    RunReportingFailure("托盘图标", boxes, [&] { Add(); });
  }
  return handled;
}

const MenuItemDefinition* TrayIcon::OnIconEvent(UINT mouseMessage) {
  // Every event counts as the user turning to the icon, a mouse move too.
  owner_.BringForwardFromTray();
  POINT cursor{};
  switch (mouseMessage) {
    case WM_LBUTTONUP:
      GetCursorPos(&cursor);
      return PopUp(kLeftMenu, leftMenu_.Get(), cursor);
    case WM_RBUTTONUP:
      GetCursorPos(&cursor);
      return PopUp(kRightMenu, rightMenu_.Get(), cursor);
  }
  return nullptr;
}

const MenuItemDefinition* TrayIcon::PopUp(const MenuDefinition& definition, HMENU menu, POINT at) {
  const int chosen = static_cast<int>(TrackPopupMenu(
      menu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, window_, nullptr));
  // Lets the menu close properly the next time the user clicks elsewhere.
  // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-trackpopupmenu#remarks
  PostMessageW(window_, WM_NULL, 0, 0);
  for (const MenuItemDefinition& item : definition.items)
    if (item.id == chosen) return &item;
  return nullptr;
}

}  // namespace quorvane
