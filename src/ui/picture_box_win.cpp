#include "ui/picture_box_win.h"

#include "ui/palette_win.h"

namespace quorvane {
namespace {

LRESULT CALLBACK PictureBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool white = GetWindowLongPtrW(window, kPictureBoxWhiteSlot) != 0;
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window, &client);
      const auto dc = reinterpret_cast<HDC>(wParam);
      if (white)
        FillSolid(dc, client, CurrentPalette().panel);
      else
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      // The picture at the top-left corner, at the size the window gave it.
      if (auto icon = reinterpret_cast<HICON>(GetWindowLongPtrW(window, kPictureBoxIconSlot))) {
        const int size = static_cast<int>(GetWindowLongPtrW(window, kPictureBoxIconSizeSlot));
        DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      if (white) {
        const Palette palette = CurrentPalette();
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, ToColorRef(palette.panelText));
        SetBkColor(dc, ToColorRef(palette.panel));
        SetDCBrushColor(dc, ToColorRef(palette.panel));
        return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
      }
      break;
    case WM_COMMAND:
      return SendMessageW(GetParent(window), message, wParam, lParam);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void RegisterPictureBoxClass() {
  WNDCLASSEXW windowClass{sizeof(windowClass)};
  windowClass.lpfnWndProc = PictureBoxProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.cbWndExtra = 3 * sizeof(LONG_PTR);
  windowClass.lpszClassName = kPictureBoxClass;
  RegisterClassExW(&windowClass);
}

}  // namespace quorvane
