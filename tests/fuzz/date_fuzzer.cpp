// Any text as a start date: what the reader accepts is a real date and time
// of day that, written out again, reads back the same; and counting the days
// from it stays in range.
#include <cstdio>

#include "diary/diary_rows.h"
#include "regimen/date_text.h"
#include "regimen/dose_reminder.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto parsed = ParseDateText(text)) {
    if (!IsValidDate(parsed->date) || parsed->secondsOfDay < 0 || parsed->secondsOfDay >= 86400)
      __builtin_trap();
    char time[16];
    std::snprintf(time, sizeof time, " %02d:%02d:%02d", parsed->secondsOfDay / 3600,
                  parsed->secondsOfDay / 60 % 60, parsed->secondsOfDay % 60);
    const auto again = ParseDateText(FormatIsoDate(parsed->date) + time);
    if (!again || !(again->date == parsed->date) || again->secondsOfDay != parsed->secondsOfDay)
      __builtin_trap();
  }
  for (const CivilDate today : {CivilDate{2026, 12, 7}, CivilDate{1601, 1, 1}, CivilDate{9999, 12, 31}})
    DaysSinceStart(text, today);
  return 0;
}
