// Closing the main window hides it; only a tray action before the close
// turns it into the end of the program.
#include <gtest/gtest.h>

#include "../driver/controls.h"
#include "../driver/process_windows.h"
#include "../driver/tray.h"
#include "calendar.h"
#include "quorvane_run.h"
#include "quorvane_ui.h"

namespace quorvane_e2e {
namespace {

using namespace std::chrono;

class MainWindowClose : public ::testing::Test {
 protected:
  // No reminder (the schedule started yesterday) and no tip window.
  void SetUp() override { StoreRecord("强的松|" + IsoDate(Today() - days(1)) + "|6|3|0"); }
};

TEST_F(MainWindowClose, HidesTheWindowAndTheProgramStaysInTheTray) {
  struct CloseWay {
    const char* name;
    void (*close)(HWND mainWindow);
  };
  const CloseWay ways[] = {
      {"close request", [](HWND w) { PostMessageW(w, WM_CLOSE, 0, 0); }},
      {"close box", [](HWND w) { PostMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"button 退出", [](HWND w) { PostClick(w, ui::kExitButton); }},
  };
  for (const CloseWay& way : ways) {
    SCOPED_TRACE(way.name);
    QuorvaneRun run;
    run.Start();
    const HWND mainWindow = run.WaitForMainWindow();
    // Closing after start-up has activated the window.
    ASSERT_TRUE(WaitUntilForeground(mainWindow));
    way.close(mainWindow);
    ASSERT_TRUE(WaitUntilHidden(mainWindow)) << "the main window stayed visible";
    EXPECT_TRUE(IsWindow(mainWindow)) << "the main window was destroyed, not hidden";
    EXPECT_EQ(CountTrayIcons(), 1);
    // The tray menu still answers, and its 退出 still ends the program.
    run.ChooseFromTrayMenu(WM_RBUTTONUP, "退出");
    EXPECT_TRUE(run.Program().WaitForEnd())
        << "退出 in the tray menu did not end the program; " << DescribeVisibleWindows(run.ProcessId());
  }
}

TEST_F(MainWindowClose, ExitButtonAfterATrayMouseMoveEndsTheProgram) {
  QuorvaneRun run;
  run.Start();
  const HWND mainWindow = run.WaitForMainWindow();
  // The tray event must come after start-up's activation, which clears it.
  ASSERT_TRUE(WaitUntilForeground(mainWindow));
  // Both are posted to the program's one thread, so they arrive in this order.
  run.PostTrayCallback(WM_MOUSEMOVE);
  PostClick(mainWindow, ui::kExitButton);
  EXPECT_TRUE(run.Program().WaitForEnd())
      << "the program is still running; " << DescribeVisibleWindows(run.ProcessId());
}

}  // namespace
}  // namespace quorvane_e2e
