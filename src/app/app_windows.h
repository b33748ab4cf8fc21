#pragma once

namespace quorvane {

// The program's secondary windows, as the main window's commands reach them.
class AppWindows {
 public:
  virtual ~AppWindows() = default;
  // Loads and shows the tip window, or brings it to the front. A tip file that
  // exists but cannot be read is reported only when reportFailure is set.
  virtual void OpenTipWindow(bool reportFailure) = 0;
  virtual void OpenOptionsDialog() = 0;
  // Opens "用药记录", or brings the open one to the front.
  virtual void OpenMedicationLog() = 0;
  // Unloads the tip window, the options dialog and 用药记录, so that the program can
  // end with the main window.
  virtual void CloseSecondaryWindows() = 0;
};

}  // namespace quorvane
