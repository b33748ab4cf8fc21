#pragma once
// The colours to draw with, as the system has them now. Read them again at
// each paint: a change of the system colours or of high contrast then shows
// at the next one (each window repaints on WM_SYSCOLORCHANGE and
// WM_SETTINGCHANGE).
#include <windows.h>

#include "ui/palette.h"

namespace quorvane {

// Whether the user has high contrast on (SPI_GETHIGHCONTRAST).
bool HighContrastOn();
Palette CurrentPalette();

inline COLORREF ToColorRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }
void FillSolid(HDC dc, const RECT& rect, Rgb colour);
void FrameSolid(HDC dc, const RECT& rect, Rgb colour);

}  // namespace quorvane
