#pragma once
// What the program's own drawn controls share: the font the window gives
// them, a window text that screen readers read as the control's name, and
// a window class that keeps the control's state in its extra bytes.
#include <windows.h>

#include <optional>
#include <string>

namespace quorvane {

struct DrawnControlText {
  HFONT font = nullptr;
  std::wstring name;  // the window text, to tell a change
};

// Answers WM_SETFONT, WM_GETFONT and WM_SETTEXT, raising a name change when
// the text changes; nothing for any other message. `text` is null until the
// control's state exists.
std::optional<LRESULT> HandleFontAndName(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         DrawnControlText* text);

// The font to draw with: the one given, else the default GUI font.
HGDIOBJ FontToDrawWith(const DrawnControlText& text);

void RegisterDrawnControlClass(const wchar_t* className, WNDPROC procedure);

}  // namespace quorvane
