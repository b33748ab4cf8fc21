// The tray icon: its tooltip, and its return after the shell restarts.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

#include "../driver/polling.h"
#include "../driver/process_windows.h"
#include "../driver/tray.h"
#include "calendar.h"
#include "quorvane_run.h"

namespace quorvane_e2e {
namespace {

using namespace std::chrono;

// Wine shows each icon as a window of this class; a deleted icon's window
// may linger hidden.
HWND FindTrayIconWindow() {
  HWND found = nullptr;
  EnumWindows(
      [](HWND top, LPARAM result) -> BOOL {
        for (HWND icon = FindWindowExW(top, nullptr, L"__winex11_tray_icon", nullptr); icon;
             icon = FindWindowExW(top, icon, L"__winex11_tray_icon", nullptr)) {
          if (IsWindowVisible(icon)) {
            *reinterpret_cast<HWND*>(result) = icon;
            return FALSE;
          }
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// The text of a visible tooltip window, whoever shows it.
std::wstring VisibleTooltipText() {
  for (HWND tip = FindWindowExW(nullptr, nullptr, L"tooltips_class32", nullptr); tip;
       tip = FindWindowExW(nullptr, tip, L"tooltips_class32", nullptr)) {
    if (!IsWindowVisible(tip)) continue;
    wchar_t text[128] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(tip, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &length);
    if (length > 0) return text;
  }
  return {};
}

// Shows the tooltip of the one tray icon by resting the pointer on it.
std::wstring HoverTooltip() {
  const HWND icon = FindTrayIconWindow();
  if (!icon) return {};
  RECT rect{};
  GetWindowRect(icon, &rect);
  // Arrive from outside the icon, then rest there until the tooltip shows.
  SetCursorPos(rect.right + 40, rect.bottom + 40);
  Sleep(50);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  std::wstring text;
  WaitUntil([&] {
    text = VisibleTooltipText();
    return !text.empty();
  });
  return text;
}

class TrayIcon : public ::testing::Test {
 protected:
  void SetUp() override { StoreRecord(RecordWithoutReminder(false)); }
};

TEST_F(TrayIcon, ComesBackWithItsTooltipWhenTheShellRestarts) {
  QuorvaneRun run;
  run.Start();
  const HWND mainWindow = run.WaitForMainWindow();
  ASSERT_TRUE(WaitUntil([] { return CountTrayIcons() == 1; }));

  // What a crashed Explorer leaves: the icon is gone, the program runs on.
  NOTIFYICONDATAW gone{};
  gone.cbSize = sizeof(gone);
  gone.hWnd = mainWindow;
  gone.uID = 0;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));
  ASSERT_TRUE(WaitUntil([] { return CountTrayIcons() == 0; }));

  // A new shell announces itself to every top-level window.
  PostMessageW(mainWindow, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  ASSERT_TRUE(WaitUntil([] { return CountTrayIcons() == 1; })) << "the icon did not come back";
  EXPECT_EQ(HoverTooltip(), L"Quorvane");

  // Announcing it again while the icon is there adds no second icon.
  PostMessageW(mainWindow, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  Sleep(300);
  EXPECT_EQ(CountTrayIcons(), 1);

  // The new icon leads to the menus as before.
  run.ChooseFromTrayMenu(WM_RBUTTONUP, "退出");
  EXPECT_TRUE(run.Program().WaitForEnd()) << DescribeVisibleWindows(run.ProcessId());
}

}  // namespace
}  // namespace quorvane_e2e
