#include "tips/tip_window_win.h"

#include "base/message_boxes_win.h"
#include "base/program_folder_win.h"
#include "commands/web_links.h"
#include "tips/message_pumping_http_client_win.h"
#include "tips/signature_verifier_win.h"
#include "tips/tip_texts.h"
#include "tips/tip_update.h"
#include "tips/tip_window_definition.h"
#include "tips/wininet_http_client_win.h"
#include "ui/picture_box_win.h"

namespace quorvane {

using namespace tip_window;

namespace {

constexpr int kLightBulbIconId = 2;
constexpr DWORD kDownloadTimeoutMilliseconds = 60'000;
constexpr int kButtons[] = {kUpdateTipsButton, kOkButton, kNextTipButton};

std::uint64_t TimerSeed() {
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  return static_cast<std::uint64_t>(counter.QuadPart) ^ (GetTickCount64() << 32);
}

}  // namespace

TipWindow::TipWindow() : Form(kTipWindow), tips_(files_, ansi_, random_, *this) {}

void TipWindow::Open(bool reportFailure) {
  if (!IsLoaded()) {
    Load();
    if (lastLoad_.status == TipFileStatus::Unreadable) {
      Unload();
      if (reportFailure) WindowMessageBoxes().Show(UnreadableTipFileText(lastLoad_.path, lastLoad_.reason));
      return;
    }
  }
  ShowModeless();
}

void TipWindow::Close() {
  if (busy_)
    closeWhenIdle_ = true;
  else
    Unload();
}

void TipWindow::PlaceOnScreen() {
  // Not centred: 2370 by 2400 twips from the top-left corner of the screen.
  MoveOnScreen({Scale(2370), Scale(2400)});
}

void TipWindow::OnLayout() {
  // The light bulb: 32 by 32 pixels at 96 DPI, larger with the text.
  const int size = MulDiv(32, LayoutDpi(), USER_DEFAULT_SCREEN_DPI);
  UniqueIcon bulb(static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kLightBulbIconId), IMAGE_ICON, size, size, 0)));
  HWND picture = Control(kPanel);
  SetWindowLongPtrW(picture, kPictureBoxIconSizeSlot, size);
  SetWindowLongPtrW(picture, kPictureBoxIconSlot, reinterpret_cast<LONG_PTR>(bulb.Get()));
  bulb_ = std::move(bulb);
  InvalidateRect(picture, nullptr, TRUE);
}

void TipWindow::OnLoad() {
  // A tip is shown as written: an "&" in it is not an access key.
  HWND tipText = Control(kTipText);
  SetWindowLongPtrW(tipText, GWL_STYLE, GetWindowLongPtrW(tipText, GWL_STYLE) | SS_NOPREFIX);

  random_.Seed(TimerSeed());
  lastLoad_ = tips_.LoadFromFolders(CurrentDataFolders().readFrom);
}

void TipWindow::SetText(std::string_view text) {
  SetCaption(kTipText, Widen(text));
  // A screen reader hears that a new tip is there.
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Control(kTipText), OBJID_CLIENT, CHILDID_SELF);
}

void TipWindow::OnCommand(int id, int notification, HWND control) {
  if (busy_) return;
  if (notification != BN_CLICKED) return Form::OnCommand(id, notification, control);
  switch (id) {
    case kOkButton:
    case IDCANCEL:  // Esc
      Unload();
      return;
    case kNextTipButton:
      tips_.ShowRandomTip();
      return;
    case kUpdateTipsButton:
      RunTipUpdate();
      return;
  }
}

void TipWindow::OnClose() {
  if (!busy_) Unload();
}

void TipWindow::RunTipUpdate() {
  WinInetHttpClient wininet(kDownloadTimeoutMilliseconds);
  MessagePumpingHttpClient http(wininet);
  WindowMessageBoxes boxes(Handle());
  PublisherSignatureVerifier verifier;
  const TipUpdateContext context{
      http, files_, boxes, tips_, verifier, TipsDownloadAddress(), CurrentDataFolders().writeTo};
  // The update reports every failure itself, so the window is always given
  // back.
  SetBusy(true);
  random_.Seed(TimerSeed());
  quorvane::UpdateTipFile(context);
  SetBusy(false);
  if (closeWhenIdle_) {
    closeWhenIdle_ = false;
    Unload();
  }
}

void TipWindow::SetBusy(bool busy) {
  busy_ = busy;
  if (busy) {
    // A disabled control cannot keep the focus; the window holds it meanwhile.
    focusBeforeBusy_ = GetFocus();
    SetFocus(Handle());
  }
  for (const int id : kButtons) EnableWindow(Control(id), !busy);
  // Give the focus back only if the user did not turn to another window.
  if (!busy && GetFocus() == Handle() && focusBeforeBusy_ && IsChild(Handle(), focusBeforeBusy_))
    SetFocus(focusBeforeBusy_);
  // Show the new cursor now rather than at the next mouse move.
  POINT cursor{};
  if (GetCursorPos(&cursor)) SetCursorPos(cursor.x, cursor.y);
}

LRESULT TipWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The wait cursor while busy, except behind the handler's own message box.
  if (message == WM_SETCURSOR && busy_ && IsWindowEnabled(Handle())) {
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return TRUE;
  }
  return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace quorvane
