// Start-up opens the tip window when the record's last field asks for it.
#include <gtest/gtest.h>

#include "../driver/controls.h"
#include "../driver/process_windows.h"
#include "../driver/text.h"
#include "calendar.h"
#include "quorvane_run.h"
#include "quorvane_ui.h"

namespace quorvane_e2e {
namespace {

using namespace std::chrono;

// No reminder: the schedule started yesterday.
std::string RecordWithTipsAtStart(int tipsAtStart) {
  return "强的松|" + IsoDate(Today() - days(1)) + "|6|3|" + std::to_string(tipsAtStart);
}

TEST(TipWindowAtStart, OpensWithATipFromTheTipFile) {
  StoreRecord(RecordWithTipsAtStart(1));
  QuorvaneRun run;
  run.Folder().WriteFile(ui::kTipFile, Gbk("重症肌无力患者应按时服药。\r\n"));
  run.Start();
  run.WaitForMainWindow();
  const HWND tipWindow = FindVisibleWindow(run.ProcessId(), ui::kTipWindowClass);
  ASSERT_NE(tipWindow, nullptr) << "the tip window is not open";
  EXPECT_EQ(ControlText(tipWindow, ui::kTipText), "重症肌无力患者应按时服药。");
}

TEST(TipWindowAtStart, StaysClosedWhenTheRecordSaysNo) {
  StoreRecord(RecordWithTipsAtStart(0));
  QuorvaneRun run;
  run.Folder().WriteFile(ui::kTipFile, Gbk("重症肌无力患者应按时服药。\r\n"));
  run.Start();
  run.WaitForMainWindow();
  EXPECT_EQ(FindVisibleWindow(run.ProcessId(), ui::kTipWindowClass), nullptr);
}

}  // namespace
}  // namespace quorvane_e2e
