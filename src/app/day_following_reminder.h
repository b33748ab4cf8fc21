#pragma once
// The dose-day reminder for a running program: once for each new calendar
// day, with the same rule, text and box as at start.
#include <cstdint>

#include "base/clock.h"
#include "base/message_boxes.h"
#include "regimen/regimen_source.h"

namespace quorvane {

// A day is new when it comes after the last day handled; a clock set back
// never brings a day round again.
bool IsNewReminderDay(const CivilDate& lastHandled, const CivilDate& today);

// From a local time of day to the next local midnight.
std::int64_t MillisecondsToMidnight(int hour, int minute, int second, int millisecond);

class DayFollowingReminder {
 public:
  DayFollowingReminder(const RegimenSource& regimen, MessageBoxes& boxes, const Clock& clock);

  // The start-up reminder has handled today.
  void StartToday() { lastHandled_ = clock_.Today(); }

  // Called when midnight passes, the computer wakes or the clock moves.
  // Shows the new day's box, unless one is still open: the open box then
  // stands for the new day too, so boxes are never stacked.
  void OnDayMayHaveChanged();

 private:
  const RegimenSource& regimen_;
  MessageBoxes& boxes_;
  const Clock& clock_;
  CivilDate lastHandled_;
  bool boxOpen_ = false;
};

}  // namespace quorvane
