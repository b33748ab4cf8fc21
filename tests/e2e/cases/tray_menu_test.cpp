// The tray icon's two pop-up menus.
#include <gtest/gtest.h>

#include <vector>

#include "../driver/polling.h"
#include "../driver/process_windows.h"
#include "../driver/shell_log.h"
#include "../driver/tray.h"
#include "calendar.h"
#include "quorvane_run.h"

namespace quorvane_e2e {
namespace {

using namespace std::chrono;

class TrayMenu : public ::testing::Test {
 protected:
  // No reminder (the schedule started yesterday) and no tip window.
  void SetUp() override { StoreRecord("强的松|" + IsoDate(Today() - days(1)) + "|6|3|0"); }
};

const std::vector<std::string> kLeftMenu = {"基本设置", "用药记录", "每日一问", "退出"};
const std::vector<std::string> kRightMenu = {
    "英国重症肌无力指南", "台湾重症肌无力指南", "论坛新帖", "进入论坛", "找病友", "退出"};

TEST_F(TrayMenu, LeftButtonOpensTheLeftMenu) {
  QuorvaneRun run;
  run.Start();
  run.WaitForMainWindow();
  EXPECT_EQ(run.OpenTrayMenu(WM_LBUTTONUP).items, kLeftMenu);
}

TEST_F(TrayMenu, RightButtonOpensTheRightMenu) {
  QuorvaneRun run;
  run.Start();
  run.WaitForMainWindow();
  EXPECT_EQ(run.OpenTrayMenu(WM_RBUTTONUP).items, kRightMenu);
}

TEST_F(TrayMenu, ExitInEitherMenuRemovesTheIconAndEndsTheProgram) {
  for (const UINT buttonRelease : {WM_LBUTTONUP, WM_RBUTTONUP}) {
    SCOPED_TRACE(buttonRelease == WM_LBUTTONUP ? "left menu" : "right menu");
    QuorvaneRun run;
    run.Start();
    run.WaitForMainWindow();
    run.ChooseFromTrayMenu(buttonRelease, "退出");
    EXPECT_TRUE(run.Program().WaitForEnd())
        << "the program is still running; " << DescribeVisibleWindows(run.ProcessId());
    EXPECT_TRUE(WaitUntil([] { return CountTrayIcons() == 0; }))
        << "tray icons left behind: " << CountTrayIcons();
  }
}

TEST_F(TrayMenu, ForumItemsOpenTheForumPages) {
  struct ForumItem {
    const char* caption;
    const char* address;
  };
  for (const ForumItem item : {ForumItem{"论坛新帖", "http://forum.quorvane.invalid/qelmu/ShowBBS.asp"},
                               ForumItem{"进入论坛", "http://forum.quorvane.invalid/qelmu"}}) {
    SCOPED_TRACE(item.address);
    const ShellOpenLog shellLog;
    QuorvaneRun run;
    run.Start();
    run.WaitForMainWindow();
    run.ChooseFromTrayMenu(WM_RBUTTONUP, item.caption);
    EXPECT_EQ(shellLog.WaitForEntries(1), std::vector<std::string>{item.address});
  }
}

}  // namespace
}  // namespace quorvane_e2e
