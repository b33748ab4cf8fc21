#include "ui/palette_win.h"

namespace quorvane {
namespace {

Rgb System(int index) {
  const COLORREF colour = GetSysColor(index);
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

HBRUSH SolidBrush(HDC dc, Rgb colour) {
  SetDCBrushColor(dc, ToColorRef(colour));
  return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

}  // namespace

bool HighContrastOn() {
  HIGHCONTRASTW state{sizeof(state)};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(state), &state, 0) &&
         (state.dwFlags & HCF_HIGHCONTRASTON);
}

Palette CurrentPalette() {
  return ColoursToDrawWith({System(COLOR_WINDOW), System(COLOR_WINDOWTEXT), System(COLOR_GRAYTEXT),
                            System(COLOR_HIGHLIGHT), System(COLOR_HIGHLIGHTTEXT), System(COLOR_BTNSHADOW)},
                           HighContrastOn());
}

void FillSolid(HDC dc, const RECT& rect, Rgb colour) { FillRect(dc, &rect, SolidBrush(dc, colour)); }
void FrameSolid(HDC dc, const RECT& rect, Rgb colour) { FrameRect(dc, &rect, SolidBrush(dc, colour)); }

}  // namespace quorvane
