// The tray icon, its two menus by mouse and keyboard, closing and hiding the
// main window, and the dialog "找病友".
#include "driver.h"

#include <shellapi.h>

#include <gtest/gtest.h>

namespace e2e {

// No reminder, no tip window.
class Tray : public testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(q.File("TIPOFDAY.TXT"), Gbk("按时服药。\r\n"));
    main = q.StartQuiet();
  }
  bool Foreground(HWND window) const { return GetForegroundWindow() == window; }
  // The key's menu, the left (4 items) or the right one (6), opens at the
  // icon, and Esc closes it. After any other menu, this shows that nothing
  // opened meanwhile.
  void ExpectKeyToOpenAtTheIcon(UINT key) {
    std::vector<std::string> captions;
    const HWND menu = q.OpenMenu(key, captions, {300, 200});
    RECT place{};
    GetWindowRect(menu, &place);
    EXPECT_EQ(std::tuple(place.left, place.top, captions.size()),
              std::tuple(300L, 200L, key == NIN_KEYSELECT ? 4u : 6u));
    PostKey(menu, VK_ESCAPE);
  }

  Quorvane q;
  HWND main = nullptr;
};

TEST_F(Tray, ExitFromTheLeftMenuRemovesTheIconAndEnds) {
  q.Choose(WM_LBUTTONUP, "退出", [&] { return q.Ended(); });
  WaitFor([] { return TrayIcons().empty(); }, "the tray icon to go");
}

// What a shell sends for one click or key, some of it while the menu is open
// (as Wine's tray does), some once it closed (as a shell that waits for each
// answer would). Enter or Space, the menu key or Shift+F10 open a menu at the
// icon; Esc on it hands the keyboard back, Esc on a menu the mouse opened
// hands nothing back, and a choice keeps the keyboard.
TEST_F(Tray, OneClickOrKeyOpensOneMenu) {
  const struct {
    std::vector<UINT> open, closed;
    size_t setFocus;
  } cases[] = {
      {{NIN_KEYSELECT, NIN_KEYSELECT}, {}, 2},  // Enter, on some versions of Windows
      {{WM_LBUTTONDOWN, WM_LBUTTONUP}, {NIN_SELECT}, 1},
      {{WM_RBUTTONDOWN, WM_RBUTTONUP}, {WM_CONTEXTMENU}, 1},
      {{NIN_KEYSELECT}, {NIN_KEYSELECT}, 2},
  };
  for (const auto& [open, closed, setFocus] : cases) {
    SCOPED_TRACE(open.back());
    q.TakeTrayLog();
    for (const UINT event : open) q.PostTray(event);
    PostKey(q.WaitForWindow(L"#32768"), VK_ESCAPE);
    for (const UINT event : closed) q.PostTray(event);
    ExpectKeyToOpenAtTheIcon(open.back() == WM_LBUTTONUP ? NIN_KEYSELECT : WM_CONTEXTMENU);
    EXPECT_EQ(q.TakeTrayLog(setFocus), std::vector<std::string>(setFocus, "NIM_SETFOCUS"));
  }
  q.Choose(WM_CONTEXTMENU, "论坛新帖", [] { return ShellLog().size() == 1; }, {300, 200});
  EXPECT_EQ(q.TakeTrayLog(), std::vector<std::string>{});
  q.Choose(WM_RBUTTONUP, "进入论坛", [] { return ShellLog().size() == 2; });
  EXPECT_EQ(ShellLog(), (std::vector<std::string>{"http://forum.quorvane.invalid/qelmu/ShowBBS.asp",
                                                  "http://forum.quorvane.invalid/qelmu"}));
}

TEST_F(Tray, ClosingHidesAndBasicSettingsShowsTheWindowAsItWasLeft) {
  SetText(main, main_window::kDoseBox, "10");
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"close request", [&] { PostMessageW(main, WM_CLOSE, 0, 0); }},
      {"button 退出", [&] { Click(main, main_window::kHideButton); }},
  };
  for (const auto& [name, close] : ways) {
    SCOPED_TRACE(name);
    WaitFor([&] { return Foreground(main); }, "the main window in front");
    close();
    WaitFor([&] { return !IsWindowVisible(main); }, "the main window to hide");
    EXPECT_FALSE(q.Ended());
    q.Choose(WM_LBUTTONUP, "基本设置", [&] { return IsWindowVisible(main) && Foreground(main); });
    EXPECT_EQ(Text(main, main_window::kDoseBox), "10");
  }
}

// A balloon coming and going is no tray action; a mouse move over the icon is.
TEST_F(Tray, ClosingRightAfterATrayEventEndsButNotAfterABalloon) {
  WaitFor([&] { return Foreground(main); }, "the main window in front");  // activation clears a tray event
  for (const UINT event : {NIN_BALLOONSHOW, NIN_BALLOONHIDE, NIN_BALLOONTIMEOUT}) q.PostTray(event);
  Click(main, main_window::kHideButton);
  WaitFor([&] { return !IsWindowVisible(main); }, "the main window to hide");
  EXPECT_EQ(TrayIcons().size(), 1u) << "ended instead of hidden";
  q.Choose(WM_LBUTTONUP, "基本设置", [&] { return IsWindowVisible(main) && Foreground(main); });
  q.PostTray(WM_MOUSEMOVE);
  Click(main, main_window::kHideButton);
  q.WaitForEnd();
}

// Closing hides the main window, also when the tip window was in front;
// 退出 with the tip window in front ends once that closes.
TEST_F(Tray, WithTheTipWindowOpenClosingHidesAndExitWaitsForIt) {
  q.Choose(WM_LBUTTONUP, "每日一问", [&] { return q.Window(L"QuorvaneTipWindow"); });
  const HWND tips = q.Window(L"QuorvaneTipWindow");
  WaitFor([&] { return Foreground(tips); }, "the tip window in front");
  SetForegroundWindow(main);  // as a click on the main window would
  WaitFor([&] { return Foreground(main); }, "the main window in front");
  PostMessageW(main, WM_CLOSE, 0, 0);
  WaitFor([&] { return !IsWindowVisible(main); }, "the main window to hide");
  EXPECT_EQ(TrayIcons().size(), 1u) << "ended instead of hidden";
  SetForegroundWindow(tips);
  WaitFor([&] { return Foreground(tips); }, "the tip window in front again");
  q.Choose(WM_RBUTTONUP, "退出", [&] { return !IsWindow(main); });
  EXPECT_TRUE(TrayIcons().empty());
  PostMessageW(tips, WM_CLOSE, 0, 0);
  q.WaitForEnd();
}

TEST_F(Tray, IconComesBackWithItsTooltipWhenTheShellRestarts) {
  NOTIFYICONDATAW icon{sizeof icon, main, 0};
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));  // what a crashed shell leaves
  WaitFor([] { return TrayIcons().empty(); }, "the icon to go");
  q.TakeTrayLog();
  Send(main, RegisterWindowMessageW(L"TaskbarCreated"));
  WaitFor([] { return TrayIcons().size() == 1; }, "the icon to come back");
  EXPECT_EQ(q.TakeTrayLog(2), (std::vector<std::string>{"NIM_ADD", "NIM_SETVERSION"}));
  const HWND shown = TrayIcons().at(0);
  RECT place{};
  GetWindowRect(shown, &place);
  // The pointer rests on the icon; the move Wine may or may not report for
  // a jump of the pointer is posted to the icon's window as well.
  SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
  PostMessageW(shown, WM_MOUSEMOVE, 0,
               MAKELPARAM((place.right - place.left) / 2, (place.bottom - place.top) / 2));
  WaitFor([] { return BalloonShows("Quorvane"); }, "the icon's tooltip");
}

TEST_F(Tray, OptionsDialogShowsItsNoticesAndCloses) {
  HWND dialog = nullptr;
  const auto open = [&] {
    q.Choose(WM_RBUTTONUP, "找病友", [&] { return (dialog = q.Window(L"QuorvaneOptionsWindow")); });
  };
  open();
  EXPECT_EQ(Text(dialog), "找病友");
  Click(dialog, options_dialog::kApplyButton);
  EXPECT_EQ(q.AnswerBox(), "在这里设置代码来设置选项 w/o 关闭对话框!");
  EXPECT_TRUE(IsWindowVisible(dialog));
  Click(dialog, options_dialog::kOkButton);
  EXPECT_EQ(q.AnswerBox(), "在这里放置代码来设置选项并且关闭对话框!");
  WaitFor([&] { return !IsWindowVisible(dialog); }, "the dialog to close after OK");
  for (const auto close :
       {+[](HWND d) { Click(d, IDCANCEL); }, +[](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }}) {
    open();
    close(dialog);
    WaitFor([&] { return !IsWindowVisible(dialog); }, "the dialog to close");
    EXPECT_EQ(q.Box(), nullptr);  // a notice would have held the dialog open
  }
}

}  // namespace e2e
