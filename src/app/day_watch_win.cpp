#include "app/day_watch_win.h"

namespace quorvane {
namespace {

constexpr wchar_t kClassName[] = L"QuorvaneDayWatch";
constexpr UINT_PTR kMidnightTimer = 1;

}  // namespace

DayWatch::DayWatch(const RegimenSource& regimen) : reminder_(regimen, boxes_, clock_) {}

DayWatch::~DayWatch() {
  if (window_) DestroyWindow(window_);
}

void DayWatch::Start() {
  reminder_.StartToday();
  if (window_) return;
  WNDCLASSEXW windowClass{sizeof(windowClass)};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
  ArmForMidnight();
}

void DayWatch::ArmForMidnight() {
  if (!window_) return;
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const auto delay = MillisecondsToMidnight(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
  // SetTimer replaces a timer of the same id, so there is only ever one.
  SetTimer(window_, kMidnightTimer, static_cast<UINT>(delay), nullptr);
}

void DayWatch::OnDayMayHaveChanged() {
  // Armed before the box, which is modal and may stay open past the next
  // midnight.
  ArmForMidnight();
  reminder_.OnDayMayHaveChanged();
  ArmForMidnight();
}

LRESULT CALLBACK DayWatch::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE)
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  auto* watch = reinterpret_cast<DayWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (watch) {
    switch (message) {
      case WM_TIMER:
        if (wParam != kMidnightTimer) break;
        watch->OnDayMayHaveChanged();
        return 0;
      case WM_TIMECHANGE:
        watch->OnDayMayHaveChanged();
        return 0;
      case WM_POWERBROADCAST:
        if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) watch->OnDayMayHaveChanged();
        return TRUE;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace quorvane
