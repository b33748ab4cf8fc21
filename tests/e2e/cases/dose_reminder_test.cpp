// The dose-day reminder at start-up, on the alternate-day schedule.
#include <gtest/gtest.h>

#include "../driver/controls.h"
#include "../driver/message_box.h"
#include "../driver/polling.h"
#include "../driver/tray.h"
#include "calendar.h"
#include "quorvane_run.h"
#include "quorvane_ui.h"

namespace quorvane_e2e {
namespace {

using namespace std::chrono;

// Alternate days, remind at start, no tip window.
std::string RecordStartingOn(sys_days startDay) { return "甲泼尼龙|" + IsoDate(startDay) + "|8|3|0"; }

TEST(DoseReminder, ShownWhenTheScheduleStartsToday) {
  StoreRecord(RecordStartingOn(Today()));
  QuorvaneRun run;
  run.Start();
  const QuorvaneRun::FirstWindow first = run.WaitForFirstWindow();
  ASSERT_NE(first.messageBox, nullptr) << "no reminder on the start day";
  EXPECT_EQ(WindowText(first.messageBox), ui::kMessageBoxTitle);
  EXPECT_EQ(MessageBoxText(first.messageBox), "甲泼尼龙8片，别忘记！");
}

TEST(DoseReminder, NotShownTheDayAfterTheScheduleStarts) {
  StoreRecord(RecordStartingOn(Today() - days(1)));
  QuorvaneRun run;
  run.Start();
  const QuorvaneRun::FirstWindow first = run.WaitForFirstWindow();
  EXPECT_EQ(first.messageBox, nullptr)
      << "a box said \"" << MessageBoxText(first.messageBox) << "\" on a day without a dose";
}

TEST(DoseReminder, TrayIconComesOnlyAfterTheReminderIsClosed) {
  StoreRecord(RecordStartingOn(Today()));
  QuorvaneRun run;
  run.Start();
  const QuorvaneRun::FirstWindow first = run.WaitForFirstWindow();
  ASSERT_NE(first.messageBox, nullptr) << "no reminder on the start day";
  EXPECT_EQ(CountTrayIcons(), 0) << "the tray icon is there while the reminder is open";
  PressOk(first.messageBox);
  EXPECT_TRUE(WaitUntil([] { return CountTrayIcons() == 1; }))
      << "tray icons after the reminder closed: " << CountTrayIcons();
}

TEST(DoseReminder, TrayIconIsAddedAtOnceWithoutAReminder) {
  StoreRecord(RecordStartingOn(Today() - days(1)));
  QuorvaneRun run;
  run.Start();
  run.WaitForMainWindow();
  EXPECT_TRUE(WaitUntil([] { return CountTrayIcons() == 1; })) << "tray icons: " << CountTrayIcons();
}

}  // namespace
}  // namespace quorvane_e2e
