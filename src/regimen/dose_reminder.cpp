#include "regimen/dose_reminder.h"

#include <limits>

#include "regimen/date_text.h"

namespace quorvane {

std::int16_t DaysSinceStart(std::string_view startDateText, const CivilDate& today) {
  const auto start = ParseDateText(startDateText);
  if (!start) return 0;
  // Whole calendar days: a time of day after the date changes nothing.
  const std::int64_t days = DaysSinceEpoch(today) - DaysSinceEpoch(start->date);
  if (days < std::numeric_limits<std::int16_t>::min() || days > std::numeric_limits<std::int16_t>::max())
    return 0;
  return static_cast<std::int16_t>(days);
}

bool IsDoseDay(const RegimenValues& controls, const CivilDate& day) {
  if (controls.alternateDay == 0) return true;
  return controls.alternateDay == 1 && DaysSinceStart(controls.startDate, day) % 2 == 0;
}

std::optional<std::string> DoseReminderText(const RegimenValues& controls, const CivilDate& today) {
  if (controls.remindAtStart == 0 || !IsDoseDay(controls, today)) return std::nullopt;
  return controls.drugName + controls.dose + "片，别忘记！";
}

}  // namespace quorvane
