// The first start on a machine: no stored record, no tip file.
#include <gtest/gtest.h>

#include "../driver/controls.h"
#include "../driver/message_box.h"
#include "../driver/process_windows.h"
#include "../driver/text.h"
#include "calendar.h"
#include "main_window_state.h"
#include "quorvane_run.h"
#include "quorvane_ui.h"

namespace quorvane_e2e {
namespace {

using namespace std::chrono;

class FirstStart : public ::testing::Test {
 protected:
  void SetUp() override {
    StoreRecord(std::nullopt);
    ForgetRunEntry();
  }

  QuorvaneRun run_;
};

TEST_F(FirstStart, WritesTheQuotedProgramPathAsRunEntry) {
  run_.Start();
  run_.WaitForMainWindow();
  const std::string quotedPath = '"' + Utf8(run_.Folder().ProgramPath()) += '"';
  EXPECT_EQ(RunEntry(), quotedPath);
}

TEST_F(FirstStart, MainWindowShowsTheDesignValues) {
  run_.Start();
  const HWND mainWindow = run_.WaitForMainWindow();
  EXPECT_EQ(WindowText(mainWindow), ui::kMainWindowTitle);
  EXPECT_EQ(ReadMainWindowState(mainWindow), (MainWindowState{"强的松", "2006-05-22", "6", 1, 1, 1}));
}

TEST_F(FirstStart, RemindsOnDoseDaysCountedFromTheDesignStartDate) {
  const bool doseDay = IsDoseDay(sys_days(2006y / May / 22), Today());
  run_.Start();
  const QuorvaneRun::FirstWindow first = run_.WaitForFirstWindow();
  if (doseDay) {
    ASSERT_NE(first.messageBox, nullptr) << "today is a dose day, but no reminder came";
    EXPECT_EQ(WindowText(first.messageBox), ui::kMessageBoxTitle);
    EXPECT_EQ(MessageBoxText(first.messageBox), "强的松6片，别忘记！");
  } else {
    EXPECT_EQ(first.messageBox, nullptr)
        << "today is no dose day, but a box said \"" << MessageBoxText(first.messageBox) << "\"";
  }
}

TEST_F(FirstStart, TipWindowTellsThatTheTipFileIsMissing) {
  run_.Start();
  run_.WaitForMainWindow();
  const HWND tipWindow = FindVisibleWindow(run_.ProcessId(), ui::kTipWindowClass);
  ASSERT_NE(tipWindow, nullptr) << "the tip window is not open";
  EXPECT_EQ(WindowText(tipWindow), ui::kTipWindowTitle);
  EXPECT_EQ(ControlText(tipWindow, ui::kTipText),
            "文件 TIPOFDAY.TXT 没有被找到吗? \r\n\r\n"
            "创建文本文件名为 TIPOFDAY.TXT 使用记事本每行写一条提示。 然后将它存放在应用程序所在的目录 ");
}

TEST_F(FirstStart, MainWindowIsCentredAndActive) {
  run_.Start();
  const HWND mainWindow = run_.WaitForMainWindow();
  RECT frame = {};
  GetWindowRect(mainWindow, &frame);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  // Centring divides by two; allow the odd pixel either way.
  EXPECT_NEAR(frame.left + frame.right, screenWidth, 2);
  EXPECT_NEAR(frame.top + frame.bottom, screenHeight, 2);
  EXPECT_TRUE(WaitUntilForeground(mainWindow)) << "the main window did not become the active window";
}

}  // namespace
}  // namespace quorvane_e2e
