#pragma once
// "找病友": a dialog for settings that do not exist yet. It answers its
// buttons with fixed notices and stores nothing.
#include "ui/form_win.h"

namespace quorvane {

class OptionsDialog : public Form {
 public:
  OptionsDialog();
  ~OptionsDialog() override;
  // Loads (centred) and shows the dialog, or brings an open one to the front.
  void Open();

 protected:
  DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU; }
  DWORD ExStyle() const override { return WS_EX_DLGMODALFRAME; }
  HWND Owner() const override;
  void OnCommand(int id, int notification, HWND control) override;

 private:
  // A hidden window that owns the dialog keeps it off the taskbar.
  mutable HWND hiddenOwner_ = nullptr;
};

}  // namespace quorvane
