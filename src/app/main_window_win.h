#pragma once
// "Quorvane1.0": the regimen controls, and the tray icon with its two menus.
#include <functional>
#include <optional>
#include <string_view>

#include "app/app_windows.h"
#include "regimen/regimen_source.h"
#include "regimen/store_win.h"
#include "tray/tray_icon_win.h"
#include "tray/tray_state.h"
#include "ui/application_icon_win.h"
#include "ui/form_win.h"

namespace quorvane {

class MainWindow : public Form, public RegimenSource, private TrayIcon::Owner {
 public:
  explicit MainWindow(AppWindows& app);

  // Shows the window centred and active once start-up is done.
  void ShowAfterStartup();

  // Until Load makes the controls, the window keeps the regimen itself:
  // start-up reads and sets it through the same two calls.
  RegimenValues CurrentRegimen() const override;
  void SetControls(const RegimenValues& values);
  void AddTrayIcon();
  void SetTrayTip(std::string_view tip);
  // A balloon at the tray icon; a click on it runs onClick.
  void ShowTrayBalloon(std::string_view text, std::function<void()> onClick);

 protected:
  DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU; }
  HICON Icon() const override { return icons_.forAltTab.Get(); }
  HICON SmallIcon() const override { return icons_.forTitleBar.Get(); }
  void OnLoad() override;
  void OnCommand(int id, int notification, HWND control) override;
  void OnClose() override;
  void OnActivate(bool active, HWND other) override;
  void OnDestroyed() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // TrayIcon::Owner
  HICON TrayImage() override;
  void BringForwardFromTray() override;

  void RunMenuItem(const MenuItemDefinition& item);
  void RunMenuCommand(MenuCommand command);
  void SaveRecord();
  // Brings the window back as "基本设置" does.
  void ShowFromTray();
  // Removes the icon, then the window; the program ends with its last window.
  void EndProgram();
  // The application icon at the window's DPI, for the window and the tray.
  void LoadIcons(UINT dpi);

  AppWindows& app_;
  RegistryStore store_;
  RegimenValues regimen_;  // until the controls exist
  ApplicationIcons icons_;
  UINT iconDpi_ = 0;
  // Another start only brings the window forward once start-up is done.
  bool starting_ = true;
  // Whether closing the window ends the program.
  TrayState trayState_;
  std::optional<TrayIcon> tray_;
  std::function<void()> onBalloonClick_;
  // The installer and the uninstaller send this to end a running copy.
  const UINT exitMessage_ = RegisterWindowMessageW(L"Quorvane.Exit");
};

}  // namespace quorvane
