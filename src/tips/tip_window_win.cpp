#include "tips/tip_window_win.h"

#include "ui/control_ids.h"
#include "ui/window_definitions.h"

namespace quorvane {

TipWindow::TipWindow() : Form(kTipWindow) {}

void TipWindow::Open(bool) {
  Load();
  ShowModeless();
}

void TipWindow::PlaceOnScreen() {
  // Not centred: 2370 by 2400 twips from the top-left corner of the screen.
  SetWindowPos(Handle(), nullptr, Scale(2370), Scale(2400), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TipWindow::OnCommand(int id, int notification, HWND control) {
  if (id == ids::kTipOk && notification == BN_CLICKED) return Unload();
  if (id == IDCANCEL) return Unload();  // Esc
  Form::OnCommand(id, notification, control);
}

}  // namespace quorvane
