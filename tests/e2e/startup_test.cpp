// Start-up: the logon entry, the record's fields, the dose reminder and the
// tip window at start.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {
namespace {

TEST(Startup, FirstStartWritesTheQuotedRunValueAndShowsTheWindowDefaults) {
  Quorvane q;
  q.Start();
  // Whether the default start date makes today a dose day depends on the
  // date; the reminder is checked below with records whose answer is known.
  WaitFor([&] { return q.Box() || FindWindowOf(q.Pid(), L"QuorvaneMainWindow"); }, "a reminder or the main window");
  if (q.Box()) {
    EXPECT_EQ(q.AnswerBox(), "强的松6片，别忘记！");
  }
  q.WaitForMain();
  EXPECT_EQ(q.Fields(), "强的松|2006-05-22|6|1|1|1");
  EXPECT_EQ(UserValue(kRunKey), '"' + Utf8(q.File("Quorvane.exe").wstring()) + '"');
}

TEST(Startup, RemindsOnADoseDayAndAddsTheTrayIconOnlyOnceTheBoxIsClosed) {
  // A start date too far back for a 16-bit day count counts as day 0.
  SetUserValue(kRecordKey, "甲泼尼龙|1900-01-01|8|3|0");
  Quorvane q;
  q.Start();
  q.WaitForBox();
  EXPECT_EQ(TrayIcons(), 0);
  EXPECT_EQ(q.AnswerBox(), "甲泼尼龙8片，别忘记！");
  q.WaitForMain();
  WaitFor([] { return TrayIcons() == 1; }, "the tray icon");
  EXPECT_EQ(q.Fields(), "甲泼尼龙|1900-01-01|8|1|1|0");
}

TEST(Startup, DoesNotRemindWhenRemindingIsSwitchedOff) {
  SetUserValue(kRecordKey, "甲泼尼龙|1900-01-01|8|2|0");
  Quorvane q;
  q.Start();
  q.WaitForMain();  // fails on any box before the main window
  WaitFor([] { return TrayIcons() == 1; }, "the tray icon");
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
  EXPECT_EQ(FindWindowOf(q.Pid(), L"QuorvaneTipWindow"), nullptr);
}

}  // namespace
}  // namespace e2e
