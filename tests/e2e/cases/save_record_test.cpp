// "修改" stores the record exactly as the main window shows it.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "../driver/controls.h"
#include "../driver/message_box.h"
#include "../driver/polling.h"
#include "calendar.h"
#include "quorvane_run.h"
#include "quorvane_ui.h"

namespace quorvane_e2e {
namespace {

using namespace std::chrono;

struct TextEdit {
  int box;
  const char* text;
};

struct SaveCase {
  const char* name;
  const char* storedBefore;  // "{yesterday}" stands for yesterday's date
  std::vector<TextEdit> edits;
  std::vector<int> checkBoxesClicked;
  const char* storedAfter;
};

std::string WithYesterday(std::string text) {
  const std::string marker = "{yesterday}";
  if (const size_t at = text.find(marker); at != std::string::npos) {
    text.replace(at, marker.size(), IsoDate(Today() - days(1)));
  }
  return text;
}

void ClickCheckBox(HWND mainWindow, int box) {
  const int before = CheckState(mainWindow, box);
  PostClick(mainWindow, box);
  ASSERT_TRUE(WaitUntil([&] { return CheckState(mainWindow, box) != before; }))
      << "check box " << box << " did not change when clicked";
}

TEST(SaveRecord, StoresExactlyWhatTheMainWindowShows) {
  // Each record starts the schedule yesterday, so no reminder is shown, and
  // keeps the tip window closed.
  const SaveCase cases[] = {
      {"unchanged", "强的松|{yesterday}|6|3|0", {}, {}, "强的松|{yesterday}|6|3|0"},
      {"new drug name, remind-at-start cleared",
       "强的松|{yesterday}|6|3|0",
       {{ui::kDrugName, "泼尼松龙"}},
       {ui::kRemindAtStart},
       "泼尼松龙|{yesterday}|6|2|0"},
      {"all boxes emptied, tips ticked",
       "强的松|{yesterday}|6|3|0",
       {{ui::kDrugName, ""}, {ui::kStartDate, ""}, {ui::kDose, ""}},
       {ui::kTipsAtStart},
       "|||3|1"},
      {"grey alternate-day box kept", "强的松|{yesterday}|6|5|0", {}, {}, "强的松|{yesterday}|6|5|0"},
  };
  for (const SaveCase& c : cases) {
    SCOPED_TRACE(c.name);
    StoreRecord(WithYesterday(c.storedBefore));
    QuorvaneRun run;
    run.Start();
    const HWND mainWindow = run.WaitForMainWindow();
    for (const TextEdit& edit : c.edits) SetControlText(mainWindow, edit.box, edit.text);
    for (const int box : c.checkBoxesClicked) ClickCheckBox(mainWindow, box);
    PostClick(mainWindow, ui::kSaveButton);
    const HWND box = WaitForMessageBox(run.ProcessId());
    EXPECT_EQ(WindowText(box), ui::kMessageBoxTitle);
    EXPECT_EQ(MessageBoxText(box), "修改后的信息成功保存！");
    EXPECT_EQ(StoredRecord(), WithYesterday(c.storedAfter));
    PressOk(box);
    EXPECT_TRUE(IsWindowVisible(mainWindow)) << "the main window closed after saving";
  }
}

}  // namespace
}  // namespace quorvane_e2e
