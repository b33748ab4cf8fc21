// "修改" stores the record exactly as the main window shows it, and the
// next start shows it again.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {

TEST(Record, SavesWhatTheWindowShowsAndTheNextStartShowsIt) {
  SetUserValue(kRecordKey, "强的松|2006-05-22|6|4|0");
  {
    Quorvane q;
    q.Start();
    const HWND main = q.WaitForMain();
    const auto save = [&](const std::string& stored) {
      Click(main, main_window::kSaveButton);
      EXPECT_EQ(q.AnswerBox(), "修改后的信息成功保存！");
      EXPECT_EQ(UserValue(kRecordKey), stored);
      EXPECT_TRUE(IsWindowVisible(main));
    };
    save("强的松|2006-05-22|6|4|0");  // the grey box (2) kept
    SetText(main, main_window::kDrugNameBox, "泼尼松龙");
    SetText(main, main_window::kStartDateBox, "");
    SetText(main, main_window::kDoseBox, "7.5");
    Click(main, main_window::kRemindAtStartCheck);
    WaitFor([&] { return CheckState(main, main_window::kRemindAtStartCheck) == 1; },
            "the check box to change");
    save("泼尼松龙||7.5|5|0");
  }
  Quorvane restarted;
  restarted.Start();
  restarted.WaitForMain();
  EXPECT_EQ(restarted.Fields(), "泼尼松龙||7.5|2|1|0");
}

}  // namespace e2e
