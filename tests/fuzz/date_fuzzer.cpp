// Any text as a start date: what the reader accepts is a real date and time
// of day, and counting the days from it stays in range.
#include "regimen/date_text.h"
#include "regimen/dose_reminder.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto parsed = ParseDateText(text))
    if (!IsValidDate(parsed->date) || parsed->secondsOfDay < 0 || parsed->secondsOfDay >= 86400)
      __builtin_trap();
  for (const CivilDate today : {CivilDate{2026, 12, 7}, CivilDate{1601, 1, 1}, CivilDate{9999, 12, 31}})
    DaysSinceStart(text, today);
  return 0;
}
