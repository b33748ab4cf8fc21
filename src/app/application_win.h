#pragma once
#include "app/app_windows.h"
#include "app/day_watch_win.h"
#include "app/main_window_win.h"
#include "app/startup.h"
#include "diary/diary_window_win.h"
#include "options/options_dialog_win.h"
#include "tips/tip_window_win.h"

namespace quorvane {

// The program's windows, its start-up and its message loop.
class Application : public AppWindows, private StartupHost {
 public:
  Application();
  int Run();

  void OpenTipWindow(bool reportFailure) override;
  void OpenOptionsDialog() override;
  void OpenMedicationLog() override;
  void CloseSecondaryWindows() override;

 private:
  // StartupHost: start-up acts on the main window, still hidden.
  void Hide() override { main_.Hide(); }
  RegimenValues Controls() const override { return main_.CurrentRegimen(); }
  void SetControls(const RegimenValues& values) override { main_.SetControls(values); }
  void AddTrayIcon() override { main_.AddTrayIcon(); }
  void SetTrayTip(std::string_view tip) override { main_.SetTrayTip(tip); }
  void OpenTipWindow() override { tips_.Open(false); }

  MainWindow main_;
  TipWindow tips_;
  OptionsDialog options_;
  DiaryWindow diary_{main_};
  // The reminder of each new day while the program runs.
  DayWatch dayWatch_{main_};
};

}  // namespace quorvane
