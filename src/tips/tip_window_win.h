#pragma once
// "日积月累": a random tip from TIPOFDAY.TXT beside the program.
#include "ui/form_win.h"

namespace quorvane {

class TipWindow : public Form {
 public:
  TipWindow();
  // Loads (reading the tip file) and shows the window, or brings an open one
  // to the front. A tip file that exists but cannot be read is reported in a
  // message box when reportFailure is set; the window then stays closed.
  void Open(bool reportFailure);

 protected:
  DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME; }
  DWORD ExStyle() const override { return WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP | WS_EX_APPWINDOW; }
  void PlaceOnScreen() override;
  void OnCommand(int id, int notification, HWND control) override;
};

}  // namespace quorvane
