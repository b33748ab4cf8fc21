#include "options/options_dialog_win.h"

#include "base/message_boxes_win.h"
#include "options/options_dialog_definition.h"

namespace quorvane {

using namespace options_dialog;

OptionsDialog::OptionsDialog() : Form(kOptionsDialog) {}

OptionsDialog::~OptionsDialog() {
  Unload();
  if (hiddenOwner_) DestroyWindow(hiddenOwner_);
}

HWND OptionsDialog::Owner() const {
  if (!hiddenOwner_)
    hiddenOwner_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
  return hiddenOwner_;
}

void OptionsDialog::Open() {
  Load();
  ShowModeless();
}

void OptionsDialog::OnCommand(int id, int notification, HWND control) {
  if (notification != BN_CLICKED) return Form::OnCommand(id, notification, control);
  switch (id) {
    case kOkButton:
      WindowMessageBoxes(Handle()).Show("在这里放置代码来设置选项并且关闭对话框!");
      Unload();
      return;
    case kCancelButton:
      Unload();
      return;
    case kApplyButton:
      WindowMessageBoxes(Handle()).Show("在这里设置代码来设置选项 w/o 关闭对话框!");
      return;
  }
}

}  // namespace quorvane
