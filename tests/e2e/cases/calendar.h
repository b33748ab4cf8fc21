// Dates as the program sees them: the local calendar day, written the way
// the start-date box holds it ("2006-05-22").
#pragma once

#include <chrono>
#include <string>

namespace quorvane_e2e {

std::chrono::sys_days Today();

std::string IsoDate(std::chrono::sys_days when);

// Alternate-day schedule: a dose is due every second day counted from the
// start day, before it as well as after it.
bool IsDoseDay(std::chrono::sys_days start, std::chrono::sys_days when);

}  // namespace quorvane_e2e
