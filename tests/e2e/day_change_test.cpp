// The reminder that follows the day while the program runs, with the
// self-check's nudge.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {

// Runs with the clock of the Wine processes a few seconds before a local
// midnight, in a time zone where that is not midnight in UTC.
TEST(DayChange, LocalMidnightBringsOneNewReminder) {
  if (!GetEnvironmentVariableW(L"FAKETIME", nullptr, 0)) GTEST_SKIP() << "needs faketime";
  TIME_ZONE_INFORMATION zone{};
  GetTimeZoneInformation(&zone);
  ASSERT_NE(zone.Bias, 0) << "run in a time zone far from UTC (TZ)";
  SetUserValue(kRecordKey, "强的松|2006-05-22|6|3|0");  // alternate days, remind at start
  // The diary in use and today's self-check nudge shown: the next comes with the new day.
  WriteBytes(RecordFolder() / L"doselog.csv",
             kDiaryHeader + "2026-12-05,taken,强的松,6,,2026-12-05T08:00:00\r\n");
  WriteBytes(RecordFolder() / L"settings.ini", "last_selfcheck_nudge=2026-12-06\r\n");
  Quorvane q;
  q.Start();
  q.WaitForMain();  // 2026-12-06 is no dose day: no box at start
  EXPECT_EQ(q.AnswerBox(), "强的松6片，别忘记！");
  WaitFor([] { return BalloonShows("本周还没有做自评"); }, "the self-check nudge of the new day");
  EXPECT_TRUE(ReadBytes(RecordFolder() / L"settings.ini")->ends_with("nudge=2026-12-07\r\n"));
  const HWND watch = FindWindowExW(nullptr, nullptr, L"QuorvaneDayWatch", nullptr);
  Send(watch, WM_TIMECHANGE);
  Send(watch, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC);
  EXPECT_EQ(q.Box(), nullptr);
}

}  // namespace e2e
