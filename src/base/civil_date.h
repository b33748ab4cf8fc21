#pragma once
#include <compare>
#include <cstdint>

namespace quorvane {

struct CivilDate {
  int year = 1970;
  int month = 1;
  int day = 1;
  // Year, then month, then day: the order of the calendar for valid dates.
  friend auto operator<=>(const CivilDate&, const CivilDate&) = default;
};

bool IsValidDate(const CivilDate& date);
int DaysInMonth(int year, int month);
// Days since 1970-01-01 in the proleptic Gregorian calendar.
std::int64_t DaysSinceEpoch(const CivilDate& date);
CivilDate DateFromDays(std::int64_t days);

}  // namespace quorvane
