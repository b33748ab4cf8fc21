#pragma once
// "Quorvane1.0": the regimen controls, the tray icon and its two menus.
#include "app/app_windows.h"
#include "app/day_watch_win.h"
#include "app/main_window_host.h"
#include "app/main_window_values.h"
#include "regimen/store_win.h"
#include "tray/tray_icon_win.h"
#include "ui/form_win.h"

namespace quorvane {

class MainWindow : public Form, public MainWindowHost, public TrayOwner {
 public:
  explicit MainWindow(AppWindows& app);

  // Runs the start-up sequence. Each thing the user sees comes with only
  // what it needs before it: the reminder with none of the window, the tray
  // icon with the hidden window alone, the controls last.
  void Start();
  // Shows the window centred and active once start-up is done.
  void ShowAfterStartup();

  // MainWindowHost
  void Hide() override { Form::Hide(); }
  RegimenValues Controls() const override;
  void SetControls(const RegimenValues& values) override;
  void AddTrayIcon() override;
  void SetTrayTip(std::string_view tip) override;
  void OpenTipWindow() override;

  // TrayOwner
  HWND Handle() const override { return Form::Handle(); }
  HMENU MenuByName(std::string_view name) const override;
  HICON TrayIcon() override;
  void RunMenuCommand(int id) override;

 protected:
  DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU; }
  HICON Icon() const override { return bigIcon_.Get(); }
  HICON SmallIcon() const override { return smallIcon_.Get(); }
  void OnCommand(int id, int notification, HWND control) override;
  void OnClose() override;
  void OnActivate(bool active, HWND other) override;
  void OnDestroyed() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Makes the hidden window, without its controls, and its menus.
  void LoadForTray();
  // Adds the controls, showing the values start-up gave them.
  void LoadControls();
  void SaveRecord();
  // Brings the window back as "基本设置" does.
  void ShowFromTray();

  AppWindows& app_;
  RegistryStore store_;
  // The controls' values while the controls do not exist yet.
  RegimenValues values_ = MainWindowDesignValues();
  UniqueMenu menuBar_;
  // The application icon at the window's DPI, for the window and the tray.
  void LoadIcons(UINT dpi);

  UniqueIcon bigIcon_;
  UniqueIcon smallIcon_;
  UINT iconDpi_ = 0;
  bool starting_ = false;
  bool unloaded_ = false;  // gone for good: the program is ending
  // The installer and the uninstaller send this to end a running copy.
  const UINT exitMessage_ = RegisterWindowMessageW(L"Quorvane.Exit");
  DayWatch dayWatch_{*this};
};

}  // namespace quorvane
