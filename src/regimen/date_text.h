#pragma once
// Reading the start date the user typed into the main window.
#include <cstdint>
#include <optional>
#include <string_view>

#include "base/civil_date.h"

namespace quorvane {

struct DateTimeText {
  CivilDate date;
  int secondsOfDay = 0;
};

// Accepted forms (blanks around the text are ignored, full-width digits and
// punctuation count as their ASCII twins):
//   2006-05-22   2006/5/22   2006.5.22   2006年5月22日 (the 日 may be left out)
// each optionally followed by a time of day "8:30" or "08:30:15".
// The year has four digits; month and day one or two; the date must exist.
std::optional<DateTimeText> ParseDateText(std::string_view text);

}  // namespace quorvane
