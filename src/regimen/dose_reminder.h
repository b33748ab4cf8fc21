#pragma once
// Whether today is a dose day, and what the reminder at start says.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/civil_date.h"
#include "regimen/regimen_values.h"

namespace quorvane {

// Whole calendar days from the start date to today as a signed 16-bit
// number; 0 when the text is not a date or the distance does not fit. A time
// of day after the date is ignored.
std::int16_t DaysSinceStart(std::string_view startDateText, const CivilDate& today);

// Whether a day is a dose day under the record's switch: every second day
// from the start date when 隔日顿服 is ticked, every day when it is clear,
// none when it is grey.
bool IsDoseDay(const RegimenValues& controls, const CivilDate& day);

// The reminder text, or nothing when no box is due today.
std::optional<std::string> DoseReminderText(const RegimenValues& controls, const CivilDate& today);

}  // namespace quorvane
