#pragma once
// The session's one copy: a named mutex in the session's namespace, and a
// registered message to the running copy's main window.
#include <windows.h>

namespace quorvane {

// Sent by a later start to the running copy's main window, which shows
// itself as "基本设置" does and answers kShowMainWindowAnswer.
UINT ShowMainWindowMessage();
inline constexpr LRESULT kShowMainWindowAnswer = 1;

// True when this process is the session's one copy and goes on; false when
// the running copy was told to show its main window and this process must
// end at once.
bool BecomeTheOnlyCopy();
// Lets a later start run. Called on the thread that became the one copy,
// once the main window is gone.
void LeaveTheOnlyCopy();

}  // namespace quorvane
