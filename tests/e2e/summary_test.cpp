// "就诊摘要" from 用药记录: the page written into Documents and handed to the
// shell, and what is refused with nothing written.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {
namespace {

class Summary : public testing::Test {
 protected:
  void SetUp() override {
    for (const auto& old : fs::directory_iterator(Documents())) fs::remove_all(old.path());
    // Daily since three days ago: four dose days, two taken, one missed, today open.
    SetUserValue(kRecordKey, "强的松|" + Day(-3) + "|6|0|0");
    WriteBytes(RecordFolder() / L"doselog.csv",
               kDiaryHeader + DiaryRow(-3, "taken") + DiaryRow(-2, "taken") + DiaryRow(-1, "missed"));
    WriteBytes(RecordFolder() / L"selfcheck.csv",
               kSelfCheckHeader + Day(-1) + ",0,1,0,0,1,0,2,1,5,感冒了," + Day(-1) + "T20:00:00\r\n");
    q.Start();
    q.WaitForMain();
    diary = q.OpenDiary();
  }
  HWND Open() {
    Click(diary, diary_window::kVisitSummaryButton);
    return q.WaitForWindow(L"QuorvaneSummaryWindow");
  }
  static fs::path Page() { return Documents() / Wide("Quorvane 就诊摘要 " + Day(0) + ".html"); }
  static bool NothingWritten() { return fs::is_empty(Documents()) && ShellLog().empty(); }

  Quorvane q;
  HWND diary = nullptr;
};

TEST_F(Summary, MakeWritesTheLast90DaysIntoDocumentsAndHandsThePageToTheShell) {
  const HWND window = Open();
  Send(Control(diary, diary_window::kVisitSummaryButton), BM_CLICK);  // brings the same window forward
  EXPECT_EQ(FindWindowExW(nullptr, window, L"QuorvaneSummaryWindow", nullptr), nullptr);
  EXPECT_EQ(GetWindow(window, GW_OWNER), diary);
  WaitFor([&] { return GetForegroundWindow() == window; }, "the window in front");
  PostKey(Focus(window), VK_RETURN);  // 生成 is the default button
  WaitFor([&] { return !IsWindow(window) && !ShellLog().empty(); }, "the page handed to the shell");
  EXPECT_EQ(ShellLog(), std::vector<std::string>{Utf8(Page().wstring())});
  const std::string page = ReadBytes(Page()).value_or("");
  EXPECT_NE(page.find("统计期间：" + Day(-89) + " 至 " + Day(0) + "（90 天）"), std::string::npos);
  // Dose days, taken, missed, unrecorded, the share taken.
  EXPECT_NE(page.find("<tr class=\"total\"><td>合计</td><td class=\"n\">4</td><td class=\"n\">2</td><td "
                      "class=\"n\">1</td><td class=\"n\">1</td><td class=\"n\">50%</td></tr>"),
            std::string::npos);
  EXPECT_NE(page.find("感冒了"), std::string::npos);  // the self-check's note
}

TEST_F(Summary, AStartAfterTodayIsRefusedAndOneBeforeIsTaken) {
  const HWND window = Open();
  EXPECT_FALSE(IsWindowEnabled(Control(window, summary_window::kSinceBox)));
  Click(window, summary_window::kSinceButton);
  WaitFor([&] { return IsWindowEnabled(Control(window, summary_window::kSinceBox)); }, "the date box");
  SetText(window, summary_window::kSinceBox, Day(1));
  Click(window, summary_window::kMakeButton);
  EXPECT_EQ(q.AnswerBox(), "开始日期“" + Day(1) + "”在今天之后，请填写今天或更早的日期。");
  EXPECT_TRUE(NothingWritten());
  SetText(window, summary_window::kSinceBox, Day(-2));
  Click(window, summary_window::kMakeButton);
  WaitFor([&] { return !ShellLog().empty(); }, "the page handed to the shell");
  EXPECT_NE(ReadBytes(Page()).value_or("").find("（3 天）"), std::string::npos);
}

TEST_F(Summary, ADiaryThatCannotBeReadIsNamedNothingIsWrittenAndEscCloses) {
  const fs::path file = RecordFolder() / L"doselog.csv";
  const auto held = HoldFile(file, GENERIC_READ, 0);
  const HWND window = Open();
  Click(window, summary_window::kMakeButton);
  EXPECT_EQ(q.AnswerBox().rfind("无法读取用药记录文件“" + Utf8(file.wstring()) + "”：", 0), 0u);
  EXPECT_TRUE(NothingWritten());
  PostKey(window, VK_ESCAPE);
  WaitFor([&] { return !IsWindow(window); }, "Esc to close the window");
}

}  // namespace
}  // namespace e2e
