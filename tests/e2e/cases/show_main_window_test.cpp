// "基本设置" in the left tray menu brings back the main window.
#include <gtest/gtest.h>

#include "../driver/controls.h"
#include "../driver/process_windows.h"
#include "../driver/tray.h"
#include "calendar.h"
#include "main_window_state.h"
#include "quorvane_run.h"
#include "quorvane_ui.h"

namespace quorvane_e2e {
namespace {

using namespace std::chrono;

TEST(ShowMainWindow, BringsBackTheHiddenWindowAsItWasLeftAndClosingHidesItAgain) {
  const std::string startDate = IsoDate(Today() - days(1));
  StoreRecord("甲泼尼龙|" + startDate + "|8|2|0");
  QuorvaneRun run;
  run.Start();
  const HWND mainWindow = run.WaitForMainWindow();
  // An edit that was not saved: the window is hidden, not made anew.
  SetControlText(mainWindow, ui::kDose, "10");
  const MainWindowState left = {"甲泼尼龙", startDate, "10", 1, 0, 0};
  ASSERT_EQ(ReadMainWindowState(mainWindow), left);
  PostMessageW(mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitUntilHidden(mainWindow));

  run.ChooseFromTrayMenu(WM_LBUTTONUP, "基本设置");
  EXPECT_TRUE(WaitUntilForeground(mainWindow)) << DescribeVisibleWindows(run.ProcessId());
  EXPECT_TRUE(IsWindowVisible(mainWindow));
  EXPECT_EQ(ReadMainWindowState(mainWindow), left);

  // The tray click before "基本设置" must not turn this close into an exit.
  PostMessageW(mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(WaitUntilHidden(mainWindow)) << "the main window stayed visible";
  EXPECT_TRUE(IsWindow(mainWindow)) << "the main window was destroyed, not hidden";
  EXPECT_EQ(CountTrayIcons(), 1);
  EXPECT_EQ(run.OpenTrayMenu(WM_LBUTTONUP).items.size(), 4u) << "the program no longer answers its tray icon";
}

}  // namespace
}  // namespace quorvane_e2e
