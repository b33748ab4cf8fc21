// What the main window shows of the regimen record, read in one go so a
// test compares it as a whole.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>

namespace quorvane_e2e {

struct MainWindowState {
  std::string drugName;
  std::string startDate;
  std::string dose;
  int alternateDay = 0;  // check box values: 0 clear, 1 checked, 2 grey
  int remindAtStart = 0;
  int tipsAtStart = 0;

  friend bool operator==(const MainWindowState&, const MainWindowState&) = default;
};

MainWindowState ReadMainWindowState(HWND mainWindow);

// Lets GoogleTest print the state readably when a comparison fails.
void PrintTo(const MainWindowState& state, std::ostream* out);

}  // namespace quorvane_e2e
