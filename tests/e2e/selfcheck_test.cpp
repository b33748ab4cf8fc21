// "每周自评" from 用药记录: the row it writes, the advice after saving, the
// trend in words, and the weekly nudge at the tray icon.
#include "driver.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include "selfcheck/selfcheck_window_definition.h"

namespace e2e {
namespace {

namespace selfcheck_window = quorvane::selfcheck_window;
using selfcheck_window::AnswerButton;

std::string File(const wchar_t* name) { return ReadBytes(RecordFolder() / name).value_or("(none)"); }

class SelfCheck : public testing::Test {
 protected:
  HWND OpenSelfCheck(HWND diary) {
    Click(diary, diary_window::kSelfCheckButton);
    return q.WaitForWindow(L"QuorvaneSelfCheckWindow");
  }
  // One score a character, "01000120", in the items' order.
  static void Answer(HWND window, const std::string& scores) {
    for (size_t item = 0; item < scores.size(); ++item) Click(window, AnswerButton(item, scores[item] - '0'));
  }
  static void WaitForTrend(HWND diary, const std::string& words) {
    WaitFor([&] { return Text(diary, diary_window::kTrend) == words; }, "the trend: " + words);
  }
  Quorvane q;
};

TEST_F(SelfCheck, SavesTodaysRowOnceAllAreAnsweredShowsItInWordsAndOffersItAgainOnTheSameDay) {
  q.StartQuiet();
  const HWND diary = q.OpenDiary();
  WaitForTrend(diary, "还没有自评记录");
  const HWND window = OpenSelfCheck(diary);
  OpenSelfCheck(diary);
  EXPECT_EQ(FindWindowExW(nullptr, window, L"QuorvaneSelfCheckWindow", nullptr), nullptr);
  EXPECT_EQ(Text(window, selfcheck_window::ItemFrame(6)), "复视（看东西重影）");
  EXPECT_TRUE(Text(window, selfcheck_window::kAttribution).starts_with("条目的中文为本程序自行翻译"));

  const HWND save = Control(window, selfcheck_window::kSaveButton);
  EXPECT_FALSE(IsWindowEnabled(save));
  Answer(window, "0100102");  // seven of eight
  WaitFor([&] { return CheckState(window, AnswerButton(6, 2)) == BST_CHECKED; }, "the seventh answer");
  EXPECT_FALSE(IsWindowEnabled(save));
  Click(window, AnswerButton(7, 1));
  WaitFor([&] { return IsWindowEnabled(save); }, "保存 enabled with all eight answered");
  Click(window, selfcheck_window::kReminderCheck);  // read back when the window opens again
  SetText(window, selfcheck_window::kNoteBox, "感冒了,\"轻\"");
  Click(window, selfcheck_window::kSaveButton);
  WaitFor([&] { return !IsWindow(window); }, "the window to close after 保存");
  const std::string row = Day(0) + ",0,1,0,0,1,0,2,1,5,\"感冒了,\"\"轻\"\"\"," + Day(0) + "T";
  EXPECT_TRUE(File(L"selfcheck.csv").starts_with(kSelfCheckHeader + row)) << File(L"selfcheck.csv");
  EXPECT_EQ(File(L"selfcheck.csv").size(), kSelfCheckHeader.size() + row.size() + 10);  // hh:mm:ss CR LF
  WaitForTrend(diary, Day(0, L"M月d日") + " 自评 5 分，这是第一次自评");

  const std::string saved = File(L"selfcheck.csv");
  const HWND again = OpenSelfCheck(diary);  // today's answers; Esc is 取消
  EXPECT_EQ(CheckState(again, AnswerButton(6, 2)), BST_CHECKED);
  EXPECT_EQ(Text(again, selfcheck_window::kNoteBox), "感冒了,\"轻\"");
  EXPECT_EQ(CheckState(again, selfcheck_window::kReminderCheck), BST_UNCHECKED);
  Click(again, AnswerButton(0, 3));
  PostKey(again, VK_ESCAPE);
  WaitFor([&] { return !IsWindow(again); }, "Esc to close the window");
  EXPECT_EQ(File(L"selfcheck.csv"), saved);
  EXPECT_EQ(File(L"settings.ini"), "\uFEFFweekly_selfcheck_reminder=0\r\n");
}

// Which advice comes when is the unit tests' table: here, that one shows after 保存.
TEST_F(SelfCheck, AFileOverTheLimitIsReportedAndAfterSavingTheAdviceShows) {
  WriteBytes(RecordFolder() / L"selfcheck.csv", kSelfCheckHeader + std::string(17 * 1024 * 1024, 'x'));
  q.StartQuiet();
  const HWND diary = q.OpenDiary(), overLimit = OpenSelfCheck(diary);
  EXPECT_NE(q.AnswerBox().find("超过了 16 MB 的上限"), std::string::npos);
  PostKey(overLimit, VK_ESCAPE);
  WaitFor([&] { return !IsWindow(overLimit); }, "Esc to close the window");
  WriteBytes(RecordFolder() / L"selfcheck.csv",
             kSelfCheckHeader + Day(-7) + ",0,0,0,0,1,1,1,0,3,," + Day(-7) + "T20:00:00\r\n");
  const HWND window = OpenSelfCheck(diary);
  Answer(window, "00021110");
  Click(window, selfcheck_window::kSaveButton);  // taken after the answers, posted before it
  EXPECT_NE(q.AnswerBox().find("呼吸一项为 2 分，比上次高。"), std::string::npos);
  WaitFor([&] { return !IsWindow(window); }, "the window to close");
}

TEST_F(SelfCheck, ABalloonAtStartWhenDueOpensTheSelfCheck) {
  WriteBytes(RecordFolder() / L"doselog.csv", kDiaryHeader + DiaryRow(-1, "taken"));
  q.StartQuiet();
  WaitFor([] { return BalloonShows("本周还没有做自评"); }, "the balloon");
  q.PostTray(NIN_BALLOONUSERCLICK);
  q.WaitForWindow(L"QuorvaneSelfCheckWindow");
  // Read once the program is done with it: a reader could keep it from being replaced.
  EXPECT_EQ(File(L"settings.ini"),
            "\uFEFFweekly_selfcheck_reminder=1\r\nlast_selfcheck_nudge=" + Day(0) + "\r\n");
}

}  // namespace
}  // namespace e2e
