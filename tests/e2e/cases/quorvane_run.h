// One start of Quorvane from its own fresh folder, and the steps the tests
// take with it.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "../driver/popup_menu.h"
#include "../driver/program_folder.h"
#include "../driver/running_program.h"

namespace quorvane_e2e {

// The stored record (HKCU\Software "Quorvane"); nothing means no value.
std::optional<std::string> StoredRecord();
void StoreRecord(const std::optional<std::string>& record);
// The start-at-logon entry (HKCU\...\Run "Quorvane").
std::optional<std::string> RunEntry();
void ForgetRunEntry();
// A record whose schedule started yesterday, so start-up shows no reminder,
// and that opens the tip window at start or not.
std::string RecordWithoutReminder(bool tipWindowAtStart);

class QuorvaneRun {
 public:
  // Files the test wants beside the program go into Folder() before Start().
  const ProgramFolder& Folder() const { return folder_; }
  void Start();
  const RunningProgram& Program() const { return *program_; }
  DWORD ProcessId() const { return program_->ProcessId(); }

  // The first thing start-up shows: a message box or the main window. Exactly
  // one of the two is set.
  struct FirstWindow {
    HWND messageBox = nullptr;
    HWND mainWindow = nullptr;
  };
  FirstWindow WaitForFirstWindow() const;

  // Goes through start-up: a message box on the way is read, remembered and
  // answered with OK. Returns the main window once it shows.
  HWND WaitForMainWindow();
  HWND MainWindow() const { return mainWindow_; }
  // The text of the box answered by WaitForMainWindow, if there was one.
  const std::optional<std::string>& ReminderSeen() const { return reminderSeen_; }

  void PostTrayCallback(UINT mouseMessage) const;

  // Releases a mouse button over the tray icon and returns the menu that opens.
  struct OpenMenu {
    HWND window = nullptr;
    std::vector<std::string> items;
  };
  OpenMenu OpenTrayMenu(UINT buttonRelease);
  // Opens that menu and chooses the item with this caption; throws when the
  // menu has no such item.
  void ChooseFromTrayMenu(UINT buttonRelease, const std::string& caption);

 private:
  ProgramFolder folder_;
  std::unique_ptr<RunningProgram> program_;
  std::unique_ptr<PopupMenuHook> menuHook_;
  HWND mainWindow_ = nullptr;
  std::optional<std::string> reminderSeen_;
};

}  // namespace quorvane_e2e
