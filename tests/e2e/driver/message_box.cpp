#include "message_box.h"

#include <stdexcept>

#include "controls.h"
#include "process_windows.h"

namespace quorvane_e2e {
namespace {

const std::wstring kDialogClass = L"#32770";
constexpr int kMessageTextId = 0xFFFF;

}  // namespace

HWND FindMessageBox(DWORD processId) { return FindVisibleWindow(processId, kDialogClass); }

HWND WaitForMessageBox(DWORD processId) {
  return WaitForVisibleWindow(processId, kDialogClass, "a message box");
}

std::string MessageBoxText(HWND box) { return ControlText(box, kMessageTextId); }

void PressOk(HWND box) {
  PostClick(box, IDOK);
  if (!WaitUntilHidden(box)) {
    throw std::runtime_error("the message box \"" + MessageBoxText(box) +
                             "\" did not close when OK was pressed");
  }
}

}  // namespace quorvane_e2e
