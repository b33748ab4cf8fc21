#pragma once
#include "app/app_windows.h"
#include "app/main_window_win.h"
#include "diary/diary_window_win.h"
#include "options/options_dialog_win.h"
#include "tips/tip_window_win.h"

namespace quorvane {

// The program's windows and its message loop.
class Application : public AppWindows {
 public:
  Application();
  int Run();

  void OpenTipWindow(bool reportFailure) override;
  void OpenOptionsDialog() override;
  void OpenMedicationLog() override;
  void CloseSecondaryWindows() override;

 private:
  MainWindow main_;
  TipWindow tips_;
  OptionsDialog options_;
  DiaryWindow diary_{main_};
};

}  // namespace quorvane
