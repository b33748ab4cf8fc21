#pragma once
// Whether closing the main window ends the program or only hides it. It ends
// the program when the user's latest action came through the tray icon.
#include <functional>

namespace quorvane {

class TrayState {
 public:
  enum class CloseAction { Hide, Exit };

  // A mouse event on the icon. bringForward brings the main window to the
  // front; if that activates it from another window of the program, the
  // activation clears the flag, yet the tray action still counts.
  void OnIconEvent(const std::function<void()>& bringForward);
  // The main window became active. Coming back from another window of this
  // program counts as the user turning to the main window; switching in from
  // another program does not.
  void OnActivated(bool fromOwnWindow);
  // "基本设置", or the window shown once start-up is done.
  void OnShownByUser() { fromTray_ = false; }
  CloseAction OnClose() const { return fromTray_ ? CloseAction::Exit : CloseAction::Hide; }

 private:
  bool fromTray_ = false;
};

}  // namespace quorvane
