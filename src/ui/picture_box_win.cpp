#include "ui/picture_box_win.h"

namespace quorvane {
namespace {

LRESULT CALLBACK PictureBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool white = GetWindowLongPtrW(window, kPictureBoxWhiteSlot) != 0;
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client,
               white ? static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))
                     : GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      // The picture is drawn unscaled at the top-left corner.
      if (auto icon = reinterpret_cast<HICON>(GetWindowLongPtrW(window, kPictureBoxIconSlot)))
        DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      if (white) {
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
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
  windowClass.cbWndExtra = 2 * sizeof(LONG_PTR);
  windowClass.lpszClassName = kPictureBoxClass;
  RegisterClassExW(&windowClass);
}

}  // namespace quorvane
