// "用药记录" from the tray: the window, the diary file it keeps and the
// export.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {
namespace {

class Diary : public testing::Test {
 protected:
  void SetUp() override { q.StartQuiet(); }
  static std::string File() { return ReadBytes(RecordFolder() / L"doselog.csv").value_or("(none)"); }
  // Waits until the window tells the selected day as `text`; the file is
  // written by then. Read earlier, the test would hold the file open just
  // when the program renames its new file over it, and make that fail.
  void WaitForDay(HWND window, const std::string& text) {
    WaitFor([&] { return q.Box() || Text(window, diary_window::kDay).find(text) != std::string::npos; },
            "the day told as " + text);
    if (const HWND box = q.Box()) FAIL() << "a box: " << Text(box, 0xFFFF);
  }
  Quorvane q;
};

TEST_F(Diary, OneWindowStoresTakenWithItsNoteKeepsARowItCannotReadAndShowsItAgain) {
  const std::string unreadable = "2026-02-30,taken,强的松,6,,x\r\n";
  WriteBytes(RecordFolder() / L"doselog.csv", kDiaryHeader + unreadable);
  const HWND window = q.OpenDiary();
  EXPECT_NE(q.AnswerBox().find("doselog.csv”中有 1 行无法读取"), std::string::npos);
  q.OpenDiary();
  EXPECT_EQ(FindWindowExW(nullptr, window, L"QuorvaneDiaryWindow", nullptr), nullptr);
  SetText(window, diary_window::kNoteBox, "早饭后,温水\"半杯\"");
  Click(window, diary_window::kTakenButton);
  WaitForDay(window, "已服");
  EXPECT_TRUE(File().starts_with(kDiaryHeader + unreadable + Day(0) +
                                 ",taken,强的松,6,\"早饭后,温水\"\"半杯\"\"\"," + Day(0) + "T"));
  PostKey(window, VK_ESCAPE);
  WaitFor([&] { return !IsWindow(window); }, "Esc to close the window");
  const HWND reopened = q.OpenDiary();
  q.AnswerBox();  // the row is still there
  EXPECT_EQ(Text(reopened, diary_window::kNoteBox), "早饭后,温水\"半杯\"");
  EXPECT_NE(Text(reopened, diary_window::kDay).find("已服。备注：早饭后,温水\"半杯\""), std::string::npos);
}

TEST_F(Diary, AFutureDayTakesNoEntryAndClearEmptiesTheSelectedDay) {
  WriteBytes(RecordFolder() / L"doselog.csv", kDiaryHeader + DiaryRow(-1, "missed") + DiaryRow(0, "taken"));
  const HWND window = q.OpenDiary(), calendar = Control(window, diary_window::kCalendar);
  PostKey(calendar, VK_RIGHT);
  WaitForDay(window, "尚未到来");
  for (const int button : {diary_window::kTakenButton, diary_window::kMissedButton}) {
    EXPECT_FALSE(IsWindowEnabled(Control(window, button)));
    // The command itself, as if the button had taken it.
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), LPARAM(Control(window, button)));
  }
  PostKey(calendar, VK_LEFT);
  PostKey(calendar, VK_LEFT);
  WaitForDay(window, "漏服");  // yesterday
  Click(window, diary_window::kClearButton);
  WaitForDay(window, "未记录");
  EXPECT_EQ(File(), kDiaryHeader + DiaryRow(0, "taken"));
}

TEST_F(Diary, ExportWritesTheWholeDiaryWhereTheSaveAsDialogSays) {
  const HWND window = q.OpenDiary();
  Click(window, diary_window::kMissedButton);
  WaitForDay(window, "漏服");
  Click(window, diary_window::kExportButton);
  const HWND saveAs = q.WaitForWindow(L"#32770");  // the dialog class of message boxes
  constexpr int kFileName = 0x47C;                 // cmb13, the file name box
  EXPECT_EQ(Text(saveAs, kFileName), "用药记录.csv");
  const fs::path target = q.File("导出.csv");
  // The box is a ComboBoxEx: its own combo box holds the edit field.
  SetText(FindWindowExW(Control(saveAs, kFileName), nullptr, L"ComboBox", nullptr), kFileName,
          Utf8(target.wstring()));
  PostMessageW(GetDlgItem(saveAs, IDOK), BM_CLICK, 0, 0);  // the file list inside has id 1 too
  WaitFor([&] { return ReadBytes(target) == File(); }, "the exported file");
}

}  // namespace
}  // namespace e2e
