// Start-up: the logon entry, the record's fields, the dose reminder and the
// tip window at start.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {

TEST(Startup, FirstStartWritesTheQuotedRunValueAndShowsTheWindowDefaults) {
  Quorvane q;
  q.Start();
  // Whether the default start date makes today a dose day depends on the
  // date: a reminder is answered unread here, and checked below with records
  // whose answer is known.
  WaitFor([&] { return q.Box() || q.Window(L"QuorvaneMainWindow"); }, "a reminder or the main window");
  if (q.Box()) q.AnswerBox();
  q.WaitForMain();
  EXPECT_EQ(q.Fields(), "强的松|2006-05-22|6|1|1|1");
  EXPECT_EQ(UserValue(kRunKey), '"' + Utf8(q.File("Quorvane.exe").wstring()) + '"');
}

TEST(Startup, RemindsOnADoseDayAndAddsTheTrayIconOnlyOnceTheBoxIsClosed) {
  // A start date too far back for a 16-bit day count counts as day 0.
  SetUserValue(kRecordKey, "甲泼尼龙|1900-01-01|8|3|0");
  Quorvane q;
  q.Start();
  q.WaitForWindow(L"#32770");
  EXPECT_TRUE(TrayIcons().empty());
  EXPECT_EQ(q.AnswerBox(), "甲泼尼龙8片，别忘记！");
  q.WaitForMain();
  WaitFor([] { return TrayIcons().size() == 1; }, "the tray icon");
  EXPECT_EQ(q.Fields(), "甲泼尼龙|1900-01-01|8|1|1|0");
}

TEST(Startup, GarbledFieldsKeepTheDefaults) {
  // An impossible date counts as day 0; out-of-range switches keep theirs.
  SetUserValue(kRecordKey, "阿司匹林|2020-13-45|7|9|3");
  Quorvane q;
  q.Start();
  EXPECT_EQ(q.AnswerBox(), "阿司匹林7片，别忘记！");
  q.WaitForMain();
  EXPECT_EQ(q.Fields(), "阿司匹林|2020-13-45|7|1|1|1");
}

TEST(Startup, UnreadableTipFileIsSkippedSilently) {
  SetUserValue(kRecordKey, "强的松|2006-05-22|6|2|1");
  Quorvane q;
  WriteBytes(q.File("TIPOFDAY.TXT"), Gbk("按时服药。\r\n"));
  const auto lockedByAnotherProgram = HoldFile(q.File("TIPOFDAY.TXT"), GENERIC_READ, 0);
  q.Start();
  q.WaitForMain();  // start-up is through once the main window shows
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

  std::wstring commandLine = L"\"" + q.File("Quorvane.exe").wstring() + L"\"";
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION second{};
  ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &second));
  // A reminder box would hold the second copy.
  const bool ended = WaitForSingleObject(second.hProcess, static_cast<DWORD>(kPatience.count())) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(second.hProcess, 1);
  CloseHandle(second.hThread), CloseHandle(second.hProcess);
  EXPECT_TRUE(ended) << "the second copy did not end";
  WaitFor([&] { return IsWindowVisible(main); }, "the running copy's main window to show");
  EXPECT_EQ(TrayIcons().size(), 1u);
  EXPECT_EQ(UserValue(kRunKey), "as the first copy left it");
}

}  // namespace e2e
