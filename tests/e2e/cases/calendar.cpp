#include "calendar.h"

#include <windows.h>

#include <cstdio>

namespace quorvane_e2e {

using namespace std::chrono;

sys_days Today() {
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  return sys_days(year(now.wYear) / month(now.wMonth) / day(now.wDay));
}

std::string IsoDate(sys_days when) {
  const year_month_day date(when);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

bool IsDoseDay(sys_days start, sys_days when) { return (when - start).count() % 2 == 0; }

}  // namespace quorvane_e2e
