#pragma once
// The notification-area icon and its two menus. The main window hands each of
// its messages to the icon first: the icon takes its own callback message and
// the shell's restart, pops up the menus and says what the user chose; the
// window runs it.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <string_view>

#include "base/unique_handle_win.h"
#include "commands/menu_definition.h"
#include "tray/tray_message.h"

namespace quorvane {

class TrayIcon {
 public:
  // What the icon needs from the window that owns it.
  class Owner {
   public:
    virtual ~Owner() = default;
    // The small icon at the window's DPI of now.
    virtual HICON TrayImage() = 0;
    // The user turned to the icon: the window comes to the front, which the
    // menu needs to close properly.
    virtual void BringForwardFromTray() = 0;
  };

  struct Handled {
    bool own = false;                            // the message was the icon's
    const MenuItemDefinition* chosen = nullptr;  // from a menu the icon popped up
    bool balloonClicked = false;                 // the user clicked the icon's balloon
  };

  // Adds the icon, without a tip yet.
  TrayIcon(HWND window, Owner& owner);
  // Deletes the icon.
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  void SetTip(std::string_view tip);
  // A balloon titled "Quorvane" at the icon, with the shell's usual sound.
  void ShowBalloon(std::string_view text);
  // Given every message of the owner's window before the window sees it.
  Handled HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  NOTIFYICONDATAW Identity() const;
  void Add();
  const MenuItemDefinition* OnIconEvent(UINT event, POINT anchor);
  const MenuItemDefinition* PopUp(const MenuDefinition& definition, HMENU menu, POINT at, UINT event);

  HWND window_;
  Owner& owner_;
  std::wstring tip_;
  UniqueMenu leftMenu_;
  UniqueMenu rightMenu_;
  // One click or key opens one menu, however many events the shell sends
  // for it (see OnIconEvent).
  bool menuOpen_ = false;
  UINT previousEvent_ = 0;
  ULONGLONG keySelectRepeatUntil_ = 0;
  // Explorer broadcasts this when it (re)starts; the icon must then be added
  // again.
  const UINT taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
};

}  // namespace quorvane
