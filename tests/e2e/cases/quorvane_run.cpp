#include "quorvane_run.h"

#include <algorithm>
#include <stdexcept>

#include "../driver/message_box.h"
#include "../driver/polling.h"
#include "../driver/process_windows.h"
#include "../driver/registry.h"
#include "../driver/tray.h"
#include "calendar.h"
#include "quorvane_ui.h"

namespace quorvane_e2e {

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
  if (!menuReader_) menuReader_ = std::make_unique<PopupMenuReader>(mainWindow_);
  if (!WaitUntilForegroundSettles()) throw std::runtime_error("no window became the foreground window");
  PostTrayCallback(buttonRelease);
  OpenMenu menu;
  menu.window = WaitForPopupMenu(ProcessId());
  menu.items = menuReader_->Items(menu.window);
  return menu;
}

void QuorvaneRun::ChooseFromTrayMenu(UINT buttonRelease, const std::string& caption) {
  const OpenMenu menu = OpenTrayMenu(buttonRelease);
  const auto item = std::find(menu.items.begin(), menu.items.end(), caption);
  if (item == menu.items.end()) throw std::runtime_error("the tray menu has no item \"" + caption + "\"");
  ChooseMenuItem(menu.window, static_cast<int>(item - menu.items.begin()));
  // The next menu must not be mistaken for this one.
  if (!WaitUntilHidden(menu.window)) throw std::runtime_error("the tray menu stayed open after a choice");
}

}  // namespace quorvane_e2e
