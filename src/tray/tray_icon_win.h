#pragma once
// The notification-area icon and the hook on the main window's procedure
// that turns the icon's mouse events into the two pop-up menus.
#include <windows.h>

#include <string_view>

#include "tray/tray_state.h"

namespace quorvane {

// The icon reports its mouse events to the main window as this message,
// with the mouse message in lParam.
inline constexpr UINT kTrayCallbackMessage = 2025;  // WM_USER + 1001

// The window that owns the icon and its menus.
class TrayOwner {
 public:
  virtual ~TrayOwner() = default;
  virtual HWND Handle() const = 0;
  // The pop-up menus "mnuLeft" and "mnuRight".
  virtual HMENU MenuByName(std::string_view name) const = 0;
  // The small icon at the current DPI, loaded anew when the DPI changed.
  virtual HICON TrayIcon() = 0;
  virtual void RunMenuCommand(int id) = 0;
};

// Hooks the window, then adds the icon (without a tip yet).
void AddTrayIcon(TrayOwner& window);
void SetTrayTip(std::string_view tip);
// Deletes the icon, then gives the window its own procedure back.
void RemoveTrayIcon();

// What the tray icon's events mean for closing the main window.
TrayState& MainWindowTrayState();

}  // namespace quorvane
