// Start-up: the logon entry, the record's fields, the dose reminder and the
// tip window at start.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {

TEST(Startup, FirstStartRemindsOnTheStartDateAndWritesTheQuotedRunValue) {
  SetUserValue(kRecordKey, "强的松|" + Day(0) + "|6|3|1");  // day 0: a dose day
  Quorvane q;
  q.Start();
  EXPECT_EQ(q.AnswerBox(), "强的松6片，别忘记！");
  q.WaitForMain();
  EXPECT_EQ(q.Fields(), "强的松|" + Day(0) + "|6|1|1|1");
  EXPECT_EQ(UserValue(kRunKey), '"' + Utf8(q.File("Quorvane.exe").wstring()) + '"');
}

TEST(Startup, UnreadableTipFileIsSkippedAtStartAndReportedWhenAskedFor) {
  SetUserValue(kRecordKey, "强的松|2006-05-22|6|2|1");
  Quorvane q;
  WriteBytes(q.File("TIPOFDAY.TXT"), Gbk("按时服药。\r\n"));
  const auto lockedByAnotherProgram = HoldFile(q.File("TIPOFDAY.TXT"), GENERIC_READ, 0);
  q.Start();
  q.WaitForMain();  // start-up is through once the main window shows
  EXPECT_EQ(q.Window(L"QuorvaneTipWindow"), nullptr);
  q.Choose(WM_LBUTTONUP, "每日一问", [&] { return q.Box(); });
  const std::string box = q.AnswerBox(), file = "无法读取提示文件 " + Utf8(q.File("TIPOFDAY.TXT").wstring());
  EXPECT_TRUE(box.starts_with(file + "\r\n\r\n") && box.size() > file.size() + 4) << box;
  EXPECT_EQ(q.Window(L"QuorvaneTipWindow"), nullptr);
}

TEST(Startup, ASecondStartShowsTheRunningCopyAndEndsAtOnce) {
  SetUserValue(kRecordKey, "甲泼尼龙|1900-01-01|8|3|0");  // a reminder at every start
  Quorvane q;
  q.Start();
  q.AnswerBox();
  const HWND main = q.WaitForMain();
  WaitFor([] { return TrayIcons().size() == 1; }, "the tray icon");
  PostMessageW(main, WM_CLOSE, 0, 0);
  WaitFor([&] { return !IsWindowVisible(main); }, "the main window to hide");
  SetUserValue(kRunKey, "as the first copy left it");

  const auto second = q.StartCopy();
  // A reminder box would hold the second copy.
  EXPECT_EQ(WaitForSingleObject(second.get(), 10'000), WAIT_OBJECT_0) << "the second copy did not end";
  WaitFor([&] { return IsWindowVisible(main); }, "the running copy's main window to show");
  EXPECT_EQ(TrayIcons().size(), 1u);
  EXPECT_EQ(UserValue(kRunKey), "as the first copy left it");
}

TEST(Startup, WhileTheReminderIsOpenTheInstallerCanEndTheProgram) {
  SetUserValue(kRecordKey, "甲泼尼龙|1900-01-01|8|3|0");  // a reminder at every start
  Quorvane q;
  q.Start();
  q.WaitForWindow(L"#32770");
  // As the installer asks: the hidden main window, found by its class alone.
  const HWND main = FindWindowW(L"QuorvaneMainWindow", nullptr);
  ASSERT_NE(main, nullptr) << "no main window while the reminder is open";
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(main, RegisterWindowMessageW(L"Quorvane.Exit"), 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
  q.WaitForEnd();
  EXPECT_TRUE(TrayIcons().empty());
}

}  // namespace e2e
