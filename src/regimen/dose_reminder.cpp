#include "regimen/dose_reminder.h"

#include <limits>

#include "regimen/date_text.h"

namespace quorvane {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Rounds seconds / kSecondsPerDay to the nearest day, halves to even.
std::int64_t RoundToDays(std::int64_t seconds) {
  std::int64_t days = seconds / kSecondsPerDay;
  std::int64_t rest = seconds % kSecondsPerDay;
  if (rest < 0) rest += kSecondsPerDay, --days;
  if (rest * 2 > kSecondsPerDay || (rest * 2 == kSecondsPerDay && days % 2 != 0)) ++days;
  return days;
}

}  // namespace

std::int16_t DaysSinceStart(std::string_view startDateText, const CivilDate& today) {
  const auto start = ParseDateText(startDateText);
  if (!start) return 0;
  const std::int64_t seconds = (DaysSinceEpoch(today) - DaysSinceEpoch(start->date)) * kSecondsPerDay -
                               start->secondsOfDay;
  const std::int64_t days = RoundToDays(seconds);
  if (days < std::numeric_limits<std::int16_t>::min() ||
      days > std::numeric_limits<std::int16_t>::max())
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
