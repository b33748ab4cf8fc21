#pragma once
#include <windows.h>

#include "commands/shell_opener.h"

namespace quorvane {

// ShellExecuteW with "open" and SW_SHOWNORMAL on behalf of a window, which
// may be hidden. It does not wait for the program it starts.
class WindowShellOpener : public ShellOpener {
 public:
  explicit WindowShellOpener(HWND window) : window_(window) {}
  void Open(std::string_view target) override;

 private:
  HWND window_;
};

}  // namespace quorvane
