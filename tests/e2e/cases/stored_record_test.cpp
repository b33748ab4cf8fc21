// Start-up loads the stored record into the main window: fields that are
// there replace the design values, missing or unusable ones leave them.
#include <gtest/gtest.h>

#include "main_window_state.h"
#include "quorvane_run.h"

namespace quorvane_e2e {
namespace {

struct StoredRecordCase {
  const char* record;
  MainWindowState shown;
  // The dose-day reminder depends on today's date for some records; when a
  // box comes, it must say this.
  const char* reminderIfAny;
};

TEST(StoredRecord, StartUpShowsTheStoredFieldsAndKeepsTheRest) {
  const StoredRecordCase cases[] = {
      {"阿司匹林|2020-01-01", {"阿司匹林", "2020-01-01", "6", 1, 1, 1}, "阿司匹林6片，别忘记！"},
      {"泼尼松|2019-03-04|4|2|0", {"泼尼松", "2019-03-04", "4", 1, 0, 0}, nullptr},
      {"甲泼尼龙|2018-07-08|8|0|0", {"甲泼尼龙", "2018-07-08", "8", 0, 0, 0}, nullptr},
      {"地塞米松|2017-11-12|3|5|0", {"地塞米松", "2017-11-12", "3", 2, 1, 0}, nullptr},
      {"溴吡斯的明", {"强的松", "2006-05-22", "6", 1, 1, 1}, "强的松6片，别忘记！"},
  };
  for (const StoredRecordCase& c : cases) {
    SCOPED_TRACE(std::string("stored record \"") + c.record + "\"");
    StoreRecord(c.record);
    QuorvaneRun run;
    run.Start();
    const HWND mainWindow = run.WaitForMainWindow();
    EXPECT_EQ(ReadMainWindowState(mainWindow), c.shown);
    if (run.ReminderSeen()) {
      EXPECT_EQ(*run.ReminderSeen(), c.reminderIfAny ? c.reminderIfAny : "(no reminder)");
    }
  }
}

}  // namespace
}  // namespace quorvane_e2e
