#include "app/day_following_reminder.h"

#include "regimen/dose_reminder.h"

namespace quorvane {

bool IsNewReminderDay(const CivilDate& lastHandled, const CivilDate& today) {
  return DaysSinceEpoch(today) > DaysSinceEpoch(lastHandled);
}

std::int64_t MillisecondsToMidnight(int hour, int minute, int second, int millisecond) {
  constexpr std::int64_t kDay = 24 * 3600 * 1000;
  return kDay - (((hour * 60 + minute) * 60 + second) * std::int64_t{1000} + millisecond);
}

DayFollowingReminder::DayFollowingReminder(const RegimenSource& regimen, MessageBoxes& boxes,
                                           const Clock& clock)
    : regimen_(regimen), boxes_(boxes), clock_(clock), lastHandled_(clock.Today()) {}

void DayFollowingReminder::OnDayMayHaveChanged() {
  const CivilDate today = clock_.Today();
  if (!IsNewReminderDay(lastHandled_, today)) return;
  lastHandled_ = today;
  if (boxOpen_) return;
  const auto text = DoseReminderText(regimen_.CurrentRegimen(), today);
  if (!text) return;
  boxOpen_ = true;
  boxes_.Show(*text);  // modal: the next midnight may arrive while it is open
  boxOpen_ = false;
}

}  // namespace quorvane
