// "修改" stores the record exactly as the main window shows it, and the
// next start shows it again.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {

TEST(Record, SavesWhatTheWindowShowsAndTheNextStartShowsIt) {
  struct Save {
    std::vector<std::pair<int, std::string>> edits;
    int clicked;  // a check box, or 0
    std::string stored;
  };
  const Save saves[] = {
      {{}, 0, "强的松|2006-05-22|6|4|0"},  // the grey box (2) kept
      {{{ids::kDrugName, ""}, {ids::kStartDate, ""}, {ids::kDose, ""}}, ids::kTipsAtStartup, "|||4|1"},
      {{{ids::kDrugName, "泼尼松龙"}, {ids::kStartDate, "2010-10-10"}, {ids::kDose, "7.5"}},
       ids::kRemindAtStart,
       "泼尼松龙|2010-10-10|7.5|5|1"},
  };
  SetUserValue(kRecordKey, "强的松|2006-05-22|6|4|0");
  {
    Quorvane q;
    q.Start();
    const HWND main = q.WaitForMain();
    for (const Save& save : saves) {
      SCOPED_TRACE(save.stored);
      for (const auto& [box, text] : save.edits) SetText(main, box, text);
      if (save.clicked) {
        const int before = CheckState(main, save.clicked);
        Click(main, save.clicked);
        WaitFor([&] { return CheckState(main, save.clicked) != before; }, "the check box to change");
      }
      Click(main, ids::kSave);
      EXPECT_EQ(q.AnswerBox(), "修改后的信息成功保存！");
      EXPECT_EQ(UserValue(kRecordKey), save.stored);
      EXPECT_TRUE(IsWindowVisible(main));
    }
  }
  Quorvane restarted;
  restarted.Start();
  restarted.WaitForMain();
  EXPECT_EQ(restarted.Fields(), "泼尼松龙|2010-10-10|7.5|2|1|1");
}

}  // namespace e2e
