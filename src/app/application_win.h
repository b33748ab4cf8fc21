#pragma once
#include "app/app_windows.h"
#include "app/day_watch_win.h"
#include "app/main_window_win.h"
#include "app/startup.h"
#include "diary/diary_window_win.h"
#include "options/options_dialog_win.h"
#include "selfcheck/selfcheck_window_win.h"
#include "summary/summary_window_win.h"
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
  // The balloon "本周还没有做自评" when the weekly self-check is due; a
  // click on it opens "每周自评".
  void NudgeSelfCheck();

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
  // Each knows the other: made first, the self-check window holds 用药记录
  // by reference only.
  SelfCheckWindow selfCheck_{diary_};
  SummaryWindow summary_{main_};
  DiaryWindow diary_{main_, selfCheck_, summary_};
  // The reminder of each new day while the program runs, and the nudge with it.
  DayWatch dayWatch_{main_, [this] { NudgeSelfCheck(); }};
};

}  // namespace quorvane
