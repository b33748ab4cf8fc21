#include "ui/drawn_control_win.h"

namespace quorvane {

std::optional<LRESULT> HandleFontAndName(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         DrawnControlText* text) {
  switch (message) {
    case WM_SETFONT:
      if (text) text->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(text ? text->font : nullptr);
    case WM_SETTEXT: {
      // Screen readers hear the new name; an unchanged text says nothing new.
      const std::wstring before = text ? text->name : std::wstring();
      const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
      const auto* newText = reinterpret_cast<const wchar_t*>(lParam);
      if (text && result && (newText ? newText : L"") != before) {
        text->name = newText ? newText : L"";
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
      }
      return result;
    }
  }
  return std::nullopt;
}

HGDIOBJ FontToDrawWith(const DrawnControlText& text) {
  return text.font ? text.font : GetStockObject(DEFAULT_GUI_FONT);
}

void RegisterDrawnControlClass(const wchar_t* className, WNDPROC procedure) {
  WNDCLASSEXW windowClass{sizeof(windowClass)};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.cbWndExtra = sizeof(LONG_PTR);
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);
}

}  // namespace quorvane
