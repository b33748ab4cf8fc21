// The tip window "日积月累": the tips it shows, drawing another, closing it,
// and opening it from the tray menu.
#include <gtest/gtest.h>

#include <algorithm>

#include "../driver/build_outputs.h"
#include "../driver/controls.h"
#include "../driver/files.h"
#include "../driver/keys.h"
#include "../driver/message_box.h"
#include "../driver/process_windows.h"
#include "../driver/text.h"
#include "../driver/tray.h"
#include "quorvane_run.h"
#include "quorvane_ui.h"
#include "tip_window.h"

namespace quorvane_e2e {
namespace {

const std::string kFirstTip = "重症肌无力患者应按时服药。";
const std::string kSecondTip = "感冒发烧时请及时告诉医生。";
const std::set<std::string> kBothTips = {kFirstTip, kSecondTip};

TEST(TipWindow, ShowsTipsOfTheShippedTipFile) {
  const std::optional<std::string> shipped = ReadFileBytes(BesideProgramUnderTest(ui::kTipFile));
  ASSERT_TRUE(shipped) << "the build put no tip file beside the program";
  const std::vector<std::string> lines = TipLines(FromGbk(*shipped));
  ASSERT_GE(lines.size(), 3u);
  StoreRecord(RecordWithoutReminder(true));
  QuorvaneRun run;
  run.Folder().WriteFile(ui::kTipFile, *shipped);
  run.Start();
  run.WaitForMainWindow();
  const HWND tipWindow = WaitForTipWindow(run.ProcessId());
  const std::set<std::string> drawn =
      DrawDifferentTips(tipWindow, 3, [&] { PostClick(tipWindow, ui::kNextTip); });
  EXPECT_EQ(drawn.size(), 3u);
  for (const std::string& tip : drawn) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), tip), lines.end())
        << "not a line of the tip file: " << tip;
  }
}

TEST(TipWindow, ReadsTheTipFileInGbkOrUtf8WithEitherLineEnd) {
  struct TipFile {
    const char* name;
    std::string bytes;
  };
  const TipFile files[] = {
      {"GBK, CR LF", Gbk(kFirstTip + "\r\n" + kSecondTip + "\r\n")},
      {"GBK, CR alone, no end at the last line", Gbk(kFirstTip + "\r" + kSecondTip)},
      {"UTF-8 with byte order mark", "\xEF\xBB\xBF" + kFirstTip + "\r\n" + kSecondTip + "\r\n"},
      {"UTF-8 without byte order mark", kFirstTip + "\r\n" + kSecondTip + "\r\n"},
  };
  StoreRecord(RecordWithoutReminder(true));
  for (const TipFile& file : files) {
    SCOPED_TRACE(file.name);
    QuorvaneRun run;
    run.Folder().WriteFile(ui::kTipFile, file.bytes);
    run.Start();
    run.WaitForMainWindow();
    const HWND tipWindow = WaitForTipWindow(run.ProcessId());
    EXPECT_EQ(DrawDifferentTips(tipWindow, 2, [&] { PostClick(tipWindow, ui::kNextTip); }), kBothTips);
  }
}

TEST(TipWindow, AltNDrawsAnotherTip) {
  StoreRecord(RecordWithoutReminder(true));
  QuorvaneRun run;
  run.Folder().WriteFile(ui::kTipFile, Gbk(kFirstTip + "\r\n" + kSecondTip + "\r\n"));
  run.Start();
  run.WaitForMainWindow();
  const HWND tipWindow = WaitForTipWindow(run.ProcessId());
  EXPECT_EQ(DrawDifferentTips(tipWindow, 2, [&] { PostAltLetter(tipWindow, L'n'); }), kBothTips);
}

TEST(TipWindow, TrayMenuOpensItAgainAfterEachWayOfClosingIt) {
  struct CloseWay {
    const char* name;
    void (*close)(HWND tipWindow);
  };
  const CloseWay ways[] = {
      {"Esc", [](HWND w) { PostKey(w, VK_ESCAPE); }},
      {"button 确定", [](HWND w) { PostClick(w, ui::kTipOk); }},
      {"close box", [](HWND w) { PostMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  StoreRecord(RecordWithoutReminder(false));
  QuorvaneRun run;
  run.Folder().WriteFile(ui::kTipFile, Gbk(kFirstTip + "\r\n"));
  run.Start();
  run.WaitForMainWindow();
  for (const CloseWay& way : ways) {
    SCOPED_TRACE(way.name);
    run.ChooseFromTrayMenu(WM_LBUTTONUP, "每日一问");
    const HWND tipWindow = WaitForTipWindow(run.ProcessId());
    EXPECT_EQ(WindowText(tipWindow), ui::kTipWindowTitle);
    EXPECT_EQ(TipShown(tipWindow), kFirstTip);
    way.close(tipWindow);
    EXPECT_TRUE(WaitUntilHidden(tipWindow)) << "the tip window stayed open";
    EXPECT_FALSE(run.Program().HasEnded());
  }
}

TEST(TipWindow, SecondTrayChoiceBringsTheOpenWindowToTheFront) {
  StoreRecord(RecordWithoutReminder(false));
  QuorvaneRun run;
  run.Folder().WriteFile(ui::kTipFile, Gbk(kFirstTip + "\r\n"));
  run.Start();
  run.WaitForMainWindow();
  run.ChooseFromTrayMenu(WM_LBUTTONUP, "每日一问");
  const HWND tipWindow = WaitForTipWindow(run.ProcessId());
  // The tray menu brings the main window to the front before it opens.
  run.ChooseFromTrayMenu(WM_LBUTTONUP, "每日一问");
  EXPECT_TRUE(WaitUntilForeground(tipWindow)) << "the open tip window was not brought to the front";
  EXPECT_EQ(CountVisibleWindows(run.ProcessId(), ui::kTipWindowClass), 1);
}

TEST(TipWindow, UnreadableTipFileFromTheTrayMenuIsReportedAndTheProgramGoesOn) {
  StoreRecord(RecordWithoutReminder(false));
  QuorvaneRun run;
  run.Folder().WriteFile(ui::kTipFile, Gbk(kFirstTip + "\r\n"));
  const std::wstring tipFile = run.Folder().FilePath(ui::kTipFile);
  run.Start();
  run.WaitForMainWindow();
  {
    const HeldFile lockedByAnotherProgram(tipFile, GENERIC_READ, 0);
    run.ChooseFromTrayMenu(WM_LBUTTONUP, "每日一问");
    const HWND box = WaitForMessageBox(run.ProcessId());
    EXPECT_EQ(WindowText(box), ui::kMessageBoxTitle);
    EXPECT_NE(MessageBoxText(box).find(Utf8(tipFile)), std::string::npos)
        << "the message does not name the file: " << MessageBoxText(box);
    EXPECT_EQ(FindVisibleWindow(run.ProcessId(), ui::kTipWindowClass), nullptr);
    PressOk(box);
  }
  EXPECT_FALSE(run.Program().HasEnded());
  EXPECT_EQ(CountTrayIcons(), 1);
  // Once the file can be read again, the same menu item shows its tip.
  run.ChooseFromTrayMenu(WM_LBUTTONUP, "每日一问");
  EXPECT_EQ(TipShown(WaitForTipWindow(run.ProcessId())), kFirstTip);
}

TEST(TipWindow, UnreadableTipFileAtStartUpIsSkippedSilently) {
  StoreRecord(RecordWithoutReminder(true));
  QuorvaneRun run;
  run.Folder().WriteFile(ui::kTipFile, Gbk(kFirstTip + "\r\n"));
  const HeldFile lockedByAnotherProgram(run.Folder().FilePath(ui::kTipFile), GENERIC_READ, 0);
  run.Start();
  const QuorvaneRun::FirstWindow first = run.WaitForFirstWindow();
  ASSERT_NE(first.mainWindow, nullptr) << "start-up showed a box: " << MessageBoxText(first.messageBox);
  EXPECT_EQ(FindVisibleWindow(run.ProcessId(), ui::kTipWindowClass), nullptr);
}

}  // namespace
}  // namespace quorvane_e2e
