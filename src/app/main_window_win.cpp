#include "app/main_window_win.h"

#include "app/main_window_definition.h"
#include "app/single_instance_win.h"
#include "base/failure_report.h"
#include "base/message_boxes_win.h"
#include "base/text_win.h"
#include "commands/shell_opener_win.h"
#include "commands/web_links.h"
#include "guides/guide_resources_win.h"
#include "regimen/regimen_editing.h"
#include "ui/application_icon_win.h"
#include "ui/dpi_win.h"

namespace quorvane {

using namespace main_window;

MainWindow::MainWindow(AppWindows& app) : Form(kMainWindow), app_(app), regimen_(DesignRegimen()) {}

void MainWindow::OnLoad() {
  LoadIcons(DpiForWindow(Handle()));
  SetControls(regimen_);
}

void MainWindow::LoadIcons(UINT dpi) {
  if (dpi == iconDpi_) return;
  iconDpi_ = dpi;
  ApplicationIcons icons = LoadApplicationIcons(dpi);
  // The window lets go of the old icons before they are destroyed.
  if (HWND window = Handle()) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.forAltTab.Get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.forTitleBar.Get()));
  }
  icons_ = std::move(icons);
}

HICON MainWindow::TrayImage() {
  if (HWND window = Handle()) LoadIcons(DpiForWindow(window));
  return icons_.forTitleBar.Get();
}

void MainWindow::BringForwardFromTray() {
  trayState_.OnIconEvent([&] { SetForegroundWindow(Handle()); });
}

void MainWindow::ShowAfterStartup() {
  starting_ = false;
  PlaceOnScreen();
  ShowModeless();
  trayState_.OnShownByUser();
}

RegimenValues MainWindow::CurrentRegimen() const {
  if (!HasControls()) return regimen_;
  RegimenValues values;
  values.drugName = Narrow(WindowText(Control(kDrugNameBox)));
  values.startDate = Narrow(WindowText(Control(kStartDateBox)));
  values.dose = Narrow(WindowText(Control(kDoseBox)));
  values.alternateDay = CheckValue(kAlternateDayCheck);
  values.remindAtStart = CheckValue(kRemindAtStartCheck);
  values.tipsAtStartup = CheckValue(kTipsAtStartupCheck);
  return values;
}

void MainWindow::SetControls(const RegimenValues& values) {
  if (!HasControls()) {
    regimen_ = values;
    return;
  }
  SetCaption(kDrugNameBox, Widen(values.drugName));
  SetCaption(kStartDateBox, Widen(values.startDate));
  SetCaption(kDoseBox, Widen(values.dose));
  SetCheckValue(kAlternateDayCheck, values.alternateDay);
  SetCheckValue(kRemindAtStartCheck, values.remindAtStart);
  SetCheckValue(kTipsAtStartupCheck, values.tipsAtStartup);
}

void MainWindow::AddTrayIcon() {
  // Owner is a private base: the conversion is spelled out where it is allowed.
  if (HWND window = Handle()) tray_.emplace(window, static_cast<TrayIcon::Owner&>(*this));
}

void MainWindow::SetTrayTip(std::string_view tip) {
  if (tray_) tray_->SetTip(tip);
}

void MainWindow::ShowTrayBalloon(std::string_view text, std::function<void()> onClick) {
  if (!tray_) return;
  onBalloonClick_ = std::move(onClick);
  tray_->ShowBalloon(text);
}

void MainWindow::OnCommand(int id, int notification, HWND control) {
  switch (id) {
    case kSaveButton:
      if (notification == BN_CLICKED) SaveRecord();
      return;
    case kHideButton:
      if (notification == BN_CLICKED) OnClose();
      return;
  }
  Form::OnCommand(id, notification, control);
}

void MainWindow::SaveRecord() {
  WindowMessageBoxes boxes(Handle());
  SaveEditedRegimen(CurrentRegimen(), store_, boxes);
}

void MainWindow::OnClose() {
  // Closing only hides the window, unless the user came through the tray.
  if (trayState_.OnClose() == TrayState::CloseAction::Exit)
    EndProgram();
  else
    Form::Hide();
}

void MainWindow::EndProgram() {
  tray_.reset();
  Unload();
}

void MainWindow::OnActivate(bool active, HWND other) {
  Form::OnActivate(active, other);
  if (!active) return;
  const bool fromOwnWindow = other && GetWindowThreadProcessId(other, nullptr) == GetCurrentThreadId();
  trayState_.OnActivated(fromOwnWindow);
}

void MainWindow::ShowFromTray() {
  trayState_.OnShownByUser();
  ShowModeless();
}

void MainWindow::OnDestroyed() {
  tray_.reset();
  LeaveTheOnlyCopy();
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (tray_) {
    const TrayIcon::Handled tray = tray_->HandleMessage(message, wParam, lParam);
    if (tray.chosen) RunMenuItem(*tray.chosen);
    if (tray.balloonClicked && onBalloonClick_) onBalloonClick_();
    if (tray.own) return 0;
  }
  if (message == ShowMainWindowMessage()) {
    // Another start of the program. During start-up the window is shown
    // anyway once the sequence ends.
    if (!starting_) ShowFromTray();
    return kShowMainWindowAnswer;
  }
  if (message == exitMessage_ && exitMessage_ != 0) {
    // Ends the program as "退出" from the tray does. The other windows go
    // too: the installer or uninstaller that asks needs the process gone.
    app_.CloseSecondaryWindows();
    EndProgram();
    return 0;
  }
  if (message == WM_DPICHANGED) LoadIcons(HIWORD(wParam));
  return Form::HandleMessage(message, wParam, lParam);
}

void MainWindow::RunMenuItem(const MenuItemDefinition& item) {
  // A failing command is named by its caption.
  WindowMessageBoxes boxes(Handle());
  RunReportingFailure("“" + std::string(item.caption) + "”", boxes, [&] { RunMenuCommand(item.command); });
}

void MainWindow::RunMenuCommand(MenuCommand command) {
  switch (command) {
    case MenuCommand::ShowMainWindow:
      ShowFromTray();
      break;
    case MenuCommand::MedicationLog:
      app_.OpenMedicationLog();
      break;
    case MenuCommand::ShowTips:
      app_.OpenTipWindow(true);
      break;
    case MenuCommand::Exit:
      OnClose();
      break;
    case MenuCommand::OpenGeneralGuide:
      OpenGuide(kGeneralGuide, Handle());
      break;
    case MenuCommand::OpenHandbook:
      OpenGuide(kHandbook, Handle());
      break;
    case MenuCommand::OpenForumNewPosts:
      WindowShellOpener(Handle()).Open(ForumNewPostsAddress());
      break;
    case MenuCommand::OpenForum:
      WindowShellOpener(Handle()).Open(ForumAddress());
      break;
    case MenuCommand::ShowOptions:
      app_.OpenOptionsDialog();
      break;
  }
}

}  // namespace quorvane
