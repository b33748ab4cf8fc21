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
      Click(main, ids::kSave);
      EXPECT_EQ(q.AnswerBox(), "修改后的信息成功保存！");
      EXPECT_EQ(UserValue(kRecordKey), stored);
      EXPECT_TRUE(IsWindowVisible(main));
    };
    save("强的松|2006-05-22|6|4|0");  // the grey box (2) kept
    SetText(main, ids::kDrugName, "泼尼松龙");
    SetText(main, ids::kStartDate, "");
    SetText(main, ids::kDose, "7.5");
    Click(main, ids::kRemindAtStart);
    WaitFor([&] { return CheckState(main, ids::kRemindAtStart) == 1; }, "the check box to change");
    save("泼尼松龙||7.5|5|0");
  }
  Quorvane restarted;
  restarted.Start();
  restarted.WaitForMain();
  EXPECT_EQ(restarted.Fields(), "泼尼松龙||7.5|2|1|0");
}

}  // namespace e2e
