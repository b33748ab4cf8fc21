#include "quorvane_run.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "../driver/message_box.h"
#include "../driver/polling.h"
#include "../driver/process_windows.h"
#include "../driver/registry.h"
#include "../driver/tray.h"
#include "calendar.h"
#include "quorvane_ui.h"

namespace quorvane_e2e {
namespace {

// Under Wine a pop-up menu can close by itself: the program may take in the X
// focus events of an earlier change of windows (the options dialog closing,
// say) only while a later menu is open, and a stale "focus out" cancels that
// menu. And the mouse move of a menu appearing under the pointer clears its
// selection, also when it comes late. A user would open the menu again; so
// do the tests, a few times. A menu that carried out the wrong item is a
// failure at once.
constexpr int kMenuAttempts = 3;

}  // namespace

std::optional<std::string> StoredRecord() { return ReadUserString(ui::kRecordKey, ui::kValueName); }

void StoreRecord(const std::optional<std::string>& record) {
  if (record) {
    WriteUserString(ui::kRecordKey, ui::kValueName, *record);
  } else {
    DeleteUserValue(ui::kRecordKey, ui::kValueName);
  }
}

std::optional<std::string> RunEntry() { return ReadUserString(ui::kRunKey, ui::kValueName); }

void ForgetRunEntry() { DeleteUserValue(ui::kRunKey, ui::kValueName); }

std::string RecordWithoutReminder(bool tipWindowAtStart) {
  return "强的松|" + IsoDate(Today() - std::chrono::days(1)) + "|6|3|" + (tipWindowAtStart ? "1" : "0");
}

void QuorvaneRun::Start() {
  // Tests count tray icons; one left by an earlier run would be counted too.
  if (!WaitUntil([] { return CountTrayIcons() == 0; })) {
    throw std::runtime_error("a tray icon of an earlier run is still there");
  }
  program_ = std::make_unique<RunningProgram>(folder_.ProgramPath());
}

QuorvaneRun::FirstWindow QuorvaneRun::WaitForFirstWindow() const {
  FirstWindow first;
  WaitUntil([&] {
    first.messageBox = FindMessageBox(ProcessId());
    first.mainWindow = first.messageBox ? nullptr : FindVisibleWindow(ProcessId(), ui::kMainWindowClass);
    return first.messageBox != nullptr || first.mainWindow != nullptr || program_->HasEnded();
  });
  if (first.messageBox == nullptr && first.mainWindow == nullptr) {
    throw std::runtime_error(program_->HasEnded()
                                 ? "the program ended during start-up"
                                 : "start-up showed neither a message box nor the main window");
  }
  return first;
}

HWND QuorvaneRun::WaitForMainWindow() {
  for (;;) {
    const FirstWindow first = WaitForFirstWindow();
    if (first.mainWindow != nullptr) return mainWindow_ = first.mainWindow;
    if (reminderSeen_) {
      throw std::runtime_error("start-up showed a second message box: \"" + MessageBoxText(first.messageBox) +
                               "\"");
    }
    reminderSeen_ = MessageBoxText(first.messageBox);
    PressOk(first.messageBox);
  }
}

void QuorvaneRun::PostTrayCallback(UINT mouseMessage) const {
  if (mainWindow_ == nullptr) throw std::logic_error("the main window has not shown yet");
  quorvane_e2e::PostTrayCallback(mainWindow_, ui::kTrayCallbackMessage, ui::kTrayIconId, mouseMessage);
}

QuorvaneRun::OpenMenu QuorvaneRun::OpenTrayMenu(UINT buttonRelease) {
  if (mainWindow_ == nullptr) throw std::logic_error("the main window has not shown yet");
  if (!menuHook_) menuHook_ = std::make_unique<PopupMenuHook>(mainWindow_);
  for (int attempt = 1; attempt <= kMenuAttempts; ++attempt) {
    // A click on the icon while an earlier menu is still closing would be
    // taken by that menu.
    if (!WaitUntil([&] { return menuHook_->MenusClosed() == menuHook_->MenusOpened(); })) {
      throw std::runtime_error("an earlier pop-up menu does not close");
    }
    if (!WaitUntilForegroundSettles()) throw std::runtime_error("no window became the foreground window");
    const unsigned closedBefore = menuHook_->MenusClosed();
    PostTrayCallback(buttonRelease);
    OpenMenu menu;
    WaitUntil([&] {
      menu.window = FindPopupMenu(ProcessId());
      return menu.window != nullptr || menuHook_->MenusClosed() != closedBefore;
    });
    if (menu.window == nullptr && menuHook_->MenusClosed() == closedBefore) {
      throw std::runtime_error("no pop-up menu opened; " + DescribeVisibleWindows(ProcessId()));
    }
    if (menu.window != nullptr) {
      try {
        menu.items = menuHook_->Items(menu.window);
        return menu;
      } catch (const std::runtime_error&) {
        if (IsWindow(menu.window) && IsWindowVisible(menu.window)) throw;
      }
    }
    std::fprintf(stderr, "note: the tray menu closed by itself (attempt %d)\n", attempt);
  }
  throw std::runtime_error("the tray menu closed by itself each time it opened");
}

void QuorvaneRun::ChooseFromTrayMenu(UINT buttonRelease, const std::string& caption) {
  for (int attempt = 1; attempt <= kMenuAttempts; ++attempt) {
    const OpenMenu menu = OpenTrayMenu(buttonRelease);
    const auto item = std::find(menu.items.begin(), menu.items.end(), caption);
    if (item == menu.items.end()) throw std::runtime_error("the tray menu has no item \"" + caption + "\"");
    const int position = static_cast<int>(item - menu.items.begin());
    const int carriedOut = menuHook_->Choose(menu.window, position);
    if (carriedOut == position) return;
    if (carriedOut >= 0) {
      throw std::runtime_error("Enter in the tray menu carried out \"" +
                               menu.items.at(static_cast<size_t>(carriedOut)) + "\", not \"" + caption +
                               "\"");
    }
    // Nothing was carried out: the menu closed before Enter, or with no item
    // selected.
    std::fprintf(
        stderr, "note: the tray menu closed %s (attempt %d)\n",
        carriedOut == PopupMenuHook::kClosedBeforeEnter ? "before Enter" : "with nothing selected at Enter",
        attempt);
  }
  throw std::runtime_error("the tray menu item \"" + caption + "\" could not be chosen");
}

}  // namespace quorvane_e2e
