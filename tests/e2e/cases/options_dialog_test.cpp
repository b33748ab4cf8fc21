// The dialog "找病友" from the right tray menu: what it shows, its two
// notices and the ways to close it.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "../driver/controls.h"
#include "../driver/keys.h"
#include "../driver/message_box.h"
#include "../driver/polling.h"
#include "../driver/process_windows.h"
#include "quorvane_run.h"
#include "quorvane_ui.h"

namespace quorvane_e2e {
namespace {

constexpr char kApplyNotice[] = "在这里设置代码来设置选项 w/o 关闭对话框!";
constexpr char kOkNotice[] = "在这里放置代码来设置选项并且关闭对话框!";

// Centring divides by two; allow the odd pixel either way.
::testing::AssertionResult IsCentredOnTheScreen(HWND window) {
  RECT frame = {};
  GetWindowRect(window, &frame);
  const int offCentreX = frame.left + frame.right - GetSystemMetrics(SM_CXSCREEN);
  const int offCentreY = frame.top + frame.bottom - GetSystemMetrics(SM_CYSCREEN);
  if (std::abs(offCentreX) <= 2 && std::abs(offCentreY) <= 2) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the frame (" << frame.left << ", " << frame.top << ")-("
                                       << frame.right << ", " << frame.bottom << ") is not centred";
}

struct SeenControl {
  int id;
  std::string text;

  friend bool operator==(const SeenControl&, const SeenControl&) = default;
  friend void PrintTo(const SeenControl& control, std::ostream* out) {
    *out << "{id " << control.id << ", \"" << control.text << "\"}";
  }
};

// The controls a user can see: visible, and at least partly inside the
// client area. From left to right.
std::vector<SeenControl> ControlsInView(HWND dialog) {
  struct Search {
    RECT client;
    std::vector<HWND> found;
  } search;
  GetClientRect(dialog, &search.client);
  MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&search.client), 2);
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM state) {
        auto* inView = reinterpret_cast<Search*>(state);
        RECT place = {}, overlap = {};
        GetWindowRect(child, &place);
        if (IsWindowVisible(child) && IntersectRect(&overlap, &place, &inView->client)) {
          inView->found.push_back(child);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  const auto left = [](HWND window) {
    RECT place = {};
    GetWindowRect(window, &place);
    return place.left;
  };
  std::sort(search.found.begin(), search.found.end(), [&](HWND a, HWND b) { return left(a) < left(b); });
  std::vector<SeenControl> controls;
  for (const HWND child : search.found) controls.push_back({GetDlgCtrlID(child), WindowText(child)});
  return controls;
}

bool IsDefaultButton(HWND button) {
  return (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

// The program with its main window shown, no reminder and no tip window.
class OptionsDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    StoreRecord(RecordWithoutReminder(false));
    run_.Start();
    run_.WaitForMainWindow();
  }

  // Opens the dialog and waits until it has the keyboard focus, where the
  // keys of a test go.
  HWND Open() {
    run_.ChooseFromTrayMenu(WM_RBUTTONUP, "找病友");
    const HWND dialog = WaitForVisibleWindow(run_.ProcessId(), ui::kOptionsDialogClass, "the dialog 找病友");
    if (!WaitUntil([&] { return IsChild(dialog, FocusedControl(dialog)); })) {
      throw std::runtime_error("no control of the dialog got the focus");
    }
    return dialog;
  }

  // Waits until the dialog is gone or a message box came instead.
  bool ClosesWithoutABox(HWND dialog) const {
    WaitUntil(
        [&] { return !IsWindow(dialog) || !IsWindowVisible(dialog) || FindMessageBox(run_.ProcessId()); });
    return (!IsWindow(dialog) || !IsWindowVisible(dialog)) && FindMessageBox(run_.ProcessId()) == nullptr;
  }

  QuorvaneRun run_;
};

TEST_F(OptionsDialog, ShowsItsThreeButtonsAndNothingElse) {
  const HWND dialog = Open();
  EXPECT_EQ(WindowText(dialog), ui::kOptionsDialogTitle);
  EXPECT_EQ(ControlsInView(dialog),
            (std::vector<SeenControl>{
                {ui::kOptionsOk, "确定"}, {ui::kOptionsCancel, "取消"}, {ui::kOptionsApply, "应用"}}));
  EXPECT_TRUE(IsCentredOnTheScreen(dialog));
}

TEST_F(OptionsDialog, HasNoTaskbarButtonAndNoDefaultButton) {
  const HWND dialog = Open();
  // A window gets a taskbar button when it asks for one or has no owner.
  EXPECT_FALSE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  const HWND owner = GetWindow(dialog, GW_OWNER);
  ASSERT_NE(owner, nullptr) << "the dialog has no owner";
  EXPECT_FALSE(IsWindowVisible(owner)) << "the dialog's owner is a visible window";
  // "确定" has the focus at first, but Enter has no default to fall back on.
  EXPECT_EQ(FocusedControl(dialog), ControlWindow(dialog, ui::kOptionsOk));
  EXPECT_FALSE(IsDefaultButton(ControlWindow(dialog, ui::kOptionsCancel)));
  EXPECT_FALSE(IsDefaultButton(ControlWindow(dialog, ui::kOptionsApply)));
}

TEST_F(OptionsDialog, ApplyShowsItsNoticeEachTimeAndTheDialogStays) {
  const HWND dialog = Open();
  for (int press = 1; press <= 2; ++press) {
    SCOPED_TRACE("press " + std::to_string(press));
    PostClick(dialog, ui::kOptionsApply);
    const HWND box = WaitForMessageBox(run_.ProcessId());
    EXPECT_EQ(WindowText(box), ui::kMessageBoxTitle);
    EXPECT_EQ(MessageBoxText(box), kApplyNotice);
    PressOk(box);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog closed";
  }
}

TEST_F(OptionsDialog, OkShowsItsNoticeAndClosesOnceItIsDismissed) {
  const HWND dialog = Open();
  PostClick(dialog, ui::kOptionsOk);
  const HWND box = WaitForMessageBox(run_.ProcessId());
  EXPECT_EQ(WindowText(box), ui::kMessageBoxTitle);
  EXPECT_EQ(MessageBoxText(box), kOkNotice);
  EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog closed before its notice was dismissed";
  PressOk(box);
  EXPECT_TRUE(WaitUntilHidden(dialog)) << "the dialog stayed open";
  EXPECT_FALSE(run_.Program().HasEnded());
}

TEST_F(OptionsDialog, EscCancelAndCloseBoxCloseItWithoutANotice) {
  struct CloseWay {
    const char* name;
    void (*close)(HWND dialog);
  };
  const CloseWay ways[] = {
      {"Esc", [](HWND d) { PostKey(FocusedControl(d), VK_ESCAPE); }},
      {"button 取消", [](HWND d) { PostClick(d, ui::kOptionsCancel); }},
      {"close box", [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const CloseWay& way : ways) {
    SCOPED_TRACE(way.name);
    const HWND dialog = Open();
    way.close(dialog);
    EXPECT_TRUE(ClosesWithoutABox(dialog)) << DescribeVisibleWindows(run_.ProcessId());
    if (const HWND box = FindMessageBox(run_.ProcessId())) PressOk(box);
  }
}

TEST_F(OptionsDialog, OpensCentredAgainAfterTheUserMovedIt) {
  const HWND dialog = Open();
  SetWindowPos(dialog, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(WaitUntil([&] { return !IsCentredOnTheScreen(dialog); }));
  PostClick(dialog, ui::kOptionsCancel);
  ASSERT_TRUE(WaitUntilHidden(dialog));
  EXPECT_TRUE(IsCentredOnTheScreen(Open()));
}

TEST_F(OptionsDialog, ChoosingItWhileOpenBringsTheSameDialogToTheFrontWhereItIs) {
  const HWND dialog = Open();
  SetWindowPos(dialog, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(WaitUntil([&] { return !IsCentredOnTheScreen(dialog); }));
  // The tray menu brings the main window to the front before it opens.
  run_.ChooseFromTrayMenu(WM_RBUTTONUP, "找病友");
  EXPECT_TRUE(WaitUntilForeground(dialog)) << "the open dialog was not brought to the front";
  EXPECT_EQ(CountVisibleWindows(run_.ProcessId(), ui::kOptionsDialogClass), 1);
  RECT frame = {};
  GetWindowRect(dialog, &frame);
  EXPECT_EQ(frame.left, 10);
  EXPECT_EQ(frame.top, 20);
}

}  // namespace
}  // namespace quorvane_e2e
