// The program's message boxes: standard dialogs of class "#32770".
#pragma once

#include <windows.h>

#include <string>

namespace quorvane_e2e {

// A visible message box of the process now, or nullptr.
HWND FindMessageBox(DWORD processId);

// Waits for a message box of the process; throws when none appears.
HWND WaitForMessageBox(DWORD processId);

// The box's message (its static text control has the id 0xFFFF).
std::string MessageBoxText(HWND box);

// Presses OK (found by id: its caption is localised) and waits until the box
// is gone; throws when it stays.
void PressOk(HWND box);

}  // namespace quorvane_e2e
