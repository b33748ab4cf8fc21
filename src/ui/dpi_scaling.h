#pragma once
// The arithmetic of the DPI fallback for Windows 7 and 8, where the system
// reports every metric at the system DPI only.

namespace quorvane {

// A length the system reports at systemDpi, as it is at dpi: value × dpi /
// systemDpi, rounded as MulDiv rounds (to nearest, halves away from zero).
int ScaleFromSystemDpi(int value, int systemDpi, int dpi);

}  // namespace quorvane
