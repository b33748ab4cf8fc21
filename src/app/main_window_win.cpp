#include "app/main_window_win.h"

#include <commctrl.h>

#include "app/single_instance_win.h"
#include "app/startup.h"
#include "base/local_clock_win.h"
#include "base/message_boxes_win.h"
#include "base/program_folder_win.h"
#include "base/text_win.h"
#include "commands/menu_definition.h"
#include "commands/shell_opener_win.h"
#include "commands/web_links.h"
#include "guides/guide_resources_win.h"
#include "regimen/regimen_editing.h"
#include "ui/application_icon_win.h"
#include "ui/control_ids.h"
#include "ui/dpi_win.h"
#include "ui/window_definitions.h"

namespace quorvane {
namespace {

HMENU BuildPopup(const MenuDefinition& definition) {
  HMENU popup = CreatePopupMenu();
  for (const MenuItemDefinition& item : definition.items)
    AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.id), Widen(item.caption).c_str());
  return popup;
}

}  // namespace

MainWindow::MainWindow(AppWindows& app) : Form(kMainWindow), app_(app) {}

void MainWindow::LoadForTray() {
  if (IsLoaded() || unloaded_) return;
  // The window owns two menus that are never shown as a menu bar; the tray
  // pops them up.
  menuBar_.Reset(CreateMenu());
  for (const MenuDefinition* menu : {&kLeftMenu, &kRightMenu})
    AppendMenuW(menuBar_.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(BuildPopup(*menu)),
                Widen(menu->caption).c_str());
  LoadIcons(DpiForSystem());
  LoadWithoutControls();
}

void MainWindow::LoadControls() {
  LoadForTray();
  if (!IsLoaded() || HasControls()) return;
  const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  Load();
  SetControls(values_);
}

void MainWindow::LoadIcons(UINT dpi) {
  if (dpi == iconDpi_) return;
  iconDpi_ = dpi;
  UniqueIcon forAltTab(LoadApplicationIcon(SystemMetricForDpi(SM_CXICON, dpi)));
  UniqueIcon forTitleBar(LoadApplicationIcon(SystemMetricForDpi(SM_CXSMICON, dpi)));
  // The window lets go of the old icons before they are destroyed.
  if (HWND window = Handle()) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(forAltTab.Get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(forTitleBar.Get()));
  }
  bigIcon_ = std::move(forAltTab);
  smallIcon_ = std::move(forTitleBar);
}

HICON MainWindow::TrayIcon() {
  if (HWND window = Handle()) LoadIcons(DpiForWindow(window));
  return smallIcon_.Get();
}

HMENU MainWindow::MenuByName(std::string_view name) const {
  const MenuDefinition* menus[] = {&kLeftMenu, &kRightMenu};
  for (int i = 0; i < 2; ++i)
    if (menus[i]->name == name) return GetSubMenu(menuBar_.Get(), i);
  return nullptr;
}

void MainWindow::Start() {
  LocalClock clock;
  SystemAnsiCodec ansi;
  WindowMessageBoxes boxes;
  starting_ = true;
  RunStartup(*this, {store_, ansi, boxes, clock, Narrow(ProgramPath())});
  starting_ = false;
  LoadControls();
  dayWatch_.Start();
}

void MainWindow::ShowAfterStartup() {
  PlaceOnScreen();
  ShowModeless();
  MainWindowTrayState().OnShownByUser();
}

RegimenValues MainWindow::Controls() const {
  if (!HasControls()) return values_;
  RegimenValues values;
  values.drugName = Narrow(WindowText(Control(ids::kDrugName)));
  values.startDate = Narrow(WindowText(Control(ids::kStartDate)));
  values.dose = Narrow(WindowText(Control(ids::kDose)));
  values.alternateDay = CheckValue(ids::kAlternateDay);
  values.remindAtStart = CheckValue(ids::kRemindAtStart);
  values.tipsAtStartup = CheckValue(ids::kTipsAtStartup);
  return values;
}

void MainWindow::SetControls(const RegimenValues& values) {
  if (!HasControls()) {
    values_ = values;
    return;
  }
  SetCaption(ids::kDrugName, Widen(values.drugName));
  SetCaption(ids::kStartDate, Widen(values.startDate));
  SetCaption(ids::kDose, Widen(values.dose));
  SetCheckValue(ids::kAlternateDay, values.alternateDay);
  SetCheckValue(ids::kRemindAtStart, values.remindAtStart);
  SetCheckValue(ids::kTipsAtStartup, values.tipsAtStartup);
}

void MainWindow::AddTrayIcon() {
  LoadForTray();
  quorvane::AddTrayIcon(*this);
}
void MainWindow::SetTrayTip(std::string_view tip) { quorvane::SetTrayTip(tip); }
void MainWindow::OpenTipWindow() { app_.OpenTipWindow(false); }

void MainWindow::OnCommand(int id, int notification, HWND control) {
  switch (id) {
    case ids::kSave:
      if (notification == BN_CLICKED) SaveRecord();
      return;
    case ids::kHide:
      if (notification == BN_CLICKED) OnClose();
      return;
  }
  Form::OnCommand(id, notification, control);
}

void MainWindow::SaveRecord() {
  WindowMessageBoxes boxes(Handle());
  SaveEditedRegimen(Controls(), store_, boxes);
}

void MainWindow::OnClose() {
  // Closing only hides the window, unless the user came through the tray:
  // then the icon goes and the program ends with its last window.
  if (MainWindowTrayState().OnClose() == TrayState::CloseAction::Exit) {
    RemoveTrayIcon();
    Unload();
  } else {
    Form::Hide();
  }
}

void MainWindow::OnActivate(bool active, HWND other) {
  Form::OnActivate(active, other);
  if (!active) return;
  const bool fromOwnWindow = other && GetWindowThreadProcessId(other, nullptr) == GetCurrentThreadId();
  MainWindowTrayState().OnActivated(fromOwnWindow);
}

void MainWindow::ShowFromTray() {
  MainWindowTrayState().OnShownByUser();
  ShowModeless();
}

void MainWindow::OnDestroyed() {
  unloaded_ = true;
  LeaveTheOnlyCopy();
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
    RemoveTrayIcon();
    Unload();
    return 0;
  }
  if (message == WM_DPICHANGED) LoadIcons(HIWORD(wParam));
  return Form::HandleMessage(message, wParam, lParam);
}

void MainWindow::RunMenuCommand(int id) {
  const MenuItemDefinition* item = FindMenuItem(id);
  if (!item) return;
  switch (item->command) {
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
