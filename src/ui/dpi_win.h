#pragma once
// DPI queries that work from Windows 7 SP1 on. The per-monitor functions
// arrived with Windows 10 1607, so they are looked up at run time; where one
// is missing, the system DPI comes from the screen's device context and the
// metrics the system reports at that DPI are scaled.
#include <windows.h>

namespace quorvane {

UINT DpiForSystem();
UINT DpiForWindow(HWND window);
int SystemMetricForDpi(int index, UINT dpi);
// The non-client metrics, fonts included, as they are at the given DPI.
bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, UINT dpi);
// The outer rectangle of a window whose client area is `rect` at the DPI.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace quorvane
