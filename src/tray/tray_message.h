#pragma once
// The message the tray icon sends to the main window, at version 4 with the
// event in the low word of lParam. Tests post it to stand in for the shell.

namespace quorvane {

inline constexpr unsigned kTrayCallbackMessage = 2025;  // WM_USER + 1001

}  // namespace quorvane
