#include "ui/dpi_win.h"

#include <initializer_list>

#include "ui/dpi_scaling.h"

namespace quorvane {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

// The newer user32 functions, or null where this Windows lacks them.
struct User32 {
  GetDpiForWindowFn getDpiForWindow;
  GetDpiForSystemFn getDpiForSystem;
  GetSystemMetricsForDpiFn getSystemMetricsForDpi;
  SystemParametersInfoForDpiFn systemParametersInfoForDpi;
  AdjustWindowRectExForDpiFn adjustWindowRectExForDpi;
};

template <typename Function>
Function Lookup(HMODULE module, const char* name) {
  // GetProcAddress returns a generic FARPROC; the signatures above are the
  // documented ones.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const User32& Functions() {
  static const User32 functions = [] {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return User32{Lookup<GetDpiForWindowFn>(user32, "GetDpiForWindow"),
                  Lookup<GetDpiForSystemFn>(user32, "GetDpiForSystem"),
                  Lookup<GetSystemMetricsForDpiFn>(user32, "GetSystemMetricsForDpi"),
                  Lookup<SystemParametersInfoForDpiFn>(user32, "SystemParametersInfoForDpi"),
                  Lookup<AdjustWindowRectExForDpiFn>(user32, "AdjustWindowRectExForDpi")};
  }();
  return functions;
}

UINT ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

UINT DpiForSystem() {
  if (auto function = Functions().getDpiForSystem) return function();
  return ScreenDpi();
}

UINT DpiForWindow(HWND window) {
  if (auto function = Functions().getDpiForWindow) {
    if (const UINT dpi = function(window)) return dpi;
  }
  return DpiForSystem();
}

int SystemMetricForDpi(int index, UINT dpi) {
  if (auto function = Functions().getSystemMetricsForDpi) return function(index, dpi);
  // Older systems report every metric at the system DPI.
  return ScaleFromSystemDpi(GetSystemMetrics(index), static_cast<int>(DpiForSystem()), static_cast<int>(dpi));
}

bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, UINT dpi) {
  metrics.cbSize = sizeof(metrics);
  if (auto function = Functions().systemParametersInfoForDpi) {
    if (function(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) return true;
  }
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return false;
  const int systemDpi = static_cast<int>(DpiForSystem());
  for (LOGFONTW* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                         &metrics.lfStatusFont, &metrics.lfMessageFont})
    font->lfHeight = ScaleFromSystemDpi(font->lfHeight, systemDpi, static_cast<int>(dpi));
  return true;
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) {
  if (auto function = Functions().adjustWindowRectExForDpi) {
    if (function(&rect, style, FALSE, exStyle, dpi)) return;
  }
  AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

}  // namespace quorvane
