// "用药记录" from the tray: the window, the diary file it keeps and the
// export; and the reminder that follows the day while the program runs.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {
namespace {

const std::string kHeader = "\uFEFFdate,status,drug,dose,note,logged_at\r\n";  // with a byte order mark

fs::path DiaryFolder() { return fs::path(_wgetenv(L"APPDATA")) / L"Quorvane"; }

std::string Today() {
  wchar_t text[16] = {};
  GetDateFormatW(LOCALE_INVARIANT, 0, nullptr, L"yyyy-MM-dd", text, 16);
  return Utf8(text);
}

class Diary : public testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(DiaryFolder());
    SetUserValue(kRecordKey, "强的松|2006-05-22|6|2|0");  // no reminder, no tip window
    q.Start();
    q.WaitForMain();
  }
  HWND Open() {
    HWND window = nullptr;
    q.Choose(WM_LBUTTONUP, "用药记录", [&] {
      window = q.Window(L"QuorvaneDiaryWindow");
      return window && GetForegroundWindow() == window;
    });
    return window;
  }
  static std::string File() { return ReadBytes(DiaryFolder() / L"doselog.csv").value_or("(none)"); }
  static void WaitForFile(const std::string& text) {
    WaitFor([&] { return File().find(text) != std::string::npos; }, text + " in the diary");
  }
  Quorvane q;
};

TEST_F(Diary, OneWindowStoresTakenWithItsNoteAndShowsItAgain) {
  const HWND window = Open();
  Open();
  EXPECT_EQ(FindWindowExW(nullptr, window, L"QuorvaneDiaryWindow", nullptr), nullptr);
  SetText(window, diary_window::kNoteBox, "早饭后,温水\"半杯\"");
  Click(window, diary_window::kTakenButton);
  WaitForFile(kHeader + Today() + ",taken,强的松,6,\"早饭后,温水\"\"半杯\"\"\"," + Today() + "T");
  PostKey(window, VK_ESCAPE);
  WaitFor([&] { return !IsWindow(window); }, "Esc to close the window");
  const HWND reopened = Open();
  EXPECT_EQ(Text(reopened, diary_window::kNoteBox), "早饭后,温水\"半杯\"");
  EXPECT_NE(Text(reopened, diary_window::kDay).find("已服。备注：早饭后,温水\"半杯\""), std::string::npos);
}

TEST_F(Diary, ARowItCannotReadIsReportedAndKept) {
  fs::create_directories(DiaryFolder());
  WriteBytes(DiaryFolder() / L"doselog.csv", kHeader + "2026-02-30,taken,强的松,6,,x\r\n");
  const HWND window = Open();
  EXPECT_NE(q.AnswerBox().find("doselog.csv”中有 1 行无法读取"), std::string::npos);
  Click(window, diary_window::kMissedButton);
  WaitForFile(kHeader + "2026-02-30,taken,强的松,6,,x\r\n" + Today() + ",missed,");
}

TEST_F(Diary, AFolderThatCannotBeMadeIsReportedAndNothingShowsAsStored) {
  WriteBytes(DiaryFolder(), "a file where the folder belongs");
  const HWND window = Open();
  Click(window, diary_window::kTakenButton);
  EXPECT_NE(
      q.AnswerBox().find("无法保存用药记录文件“" + Utf8((DiaryFolder() / L"doselog.csv").wstring()) + "”："),
      std::string::npos);
  EXPECT_NE(Text(window, diary_window::kDay).find("未记录"), std::string::npos);
}

TEST_F(Diary, ExportWritesTheWholeDiaryWhereTheSaveAsDialogSays) {
  const HWND window = Open();
  Click(window, diary_window::kMissedButton);
  WaitForFile(",missed,");
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

// Runs with the clock of the Wine processes a few seconds before midnight.
TEST(DayChange, MidnightBringsOneNewReminder) {
  if (!GetEnvironmentVariableW(L"FAKETIME", nullptr, 0)) GTEST_SKIP() << "needs faketime";
  SetUserValue(kRecordKey, "强的松|2006-05-22|6|3|0");  // alternate days, remind at start
  Quorvane q;
  q.Start();
  q.WaitForMain();  // 2026-12-06 is no dose day: no box at start
  EXPECT_EQ(q.AnswerBox(), "强的松6片，别忘记！");
  const HWND watch = FindWindowExW(nullptr, nullptr, L"QuorvaneDayWatch", nullptr);
  Send(watch, WM_TIMECHANGE);
  Send(watch, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC);
  EXPECT_EQ(q.Box(), nullptr);
}

}  // namespace
}  // namespace e2e
