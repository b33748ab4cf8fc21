#pragma once
// Follows the calendar day while the program runs, without polling: one
// timer to the next local midnight, set again after it fires, when the
// computer resumes and when the clock or the time zone changes.
#include <windows.h>

#include "app/day_following_reminder.h"
#include "base/local_clock_win.h"
#include "base/message_boxes_win.h"

namespace quorvane {

class DayWatch {
 public:
  explicit DayWatch(const RegimenSource& regimen);
  ~DayWatch();
  DayWatch(const DayWatch&) = delete;
  DayWatch& operator=(const DayWatch&) = delete;

  // Today counts as reminded at start; from now on each new day is.
  void Start();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void ArmForMidnight();
  void OnDayMayHaveChanged();

  LocalClock clock_;
  WindowMessageBoxes boxes_;
  DayFollowingReminder reminder_;
  // Hidden top-level window: clock changes and power events are broadcast to
  // top-level windows only.
  HWND window_ = nullptr;
};

}  // namespace quorvane
