#include "tray/tray_state.h"

namespace quorvane {

void TrayState::OnIconEvent(const std::function<void()>& bringForward) {
  fromTray_ = true;
  bringForward();
  fromTray_ = true;
}

void TrayState::OnActivated(bool fromOwnWindow) {
  if (fromOwnWindow) fromTray_ = false;
}

}  // namespace quorvane
